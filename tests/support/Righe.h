#pragma once

#include <ostream>
#include <string>

// A table's rows carry their name in `nome`: ctest lists each case by it and a failing case names
// its row instead of its bytes. A file brings the printer to its rows with `using righe::PrintTo;`
// in the rows' own namespace, where GoogleTest looks for it.
namespace righe {

template <typename Riga>
    requires requires(const Riga &r) { std::string(r.nome); }
void PrintTo(const Riga &riga, std::ostream *os)
{
    *os << riga.nome;
}

// The case names for INSTANTIATE_TEST_SUITE_P.
inline constexpr auto perNome = [](const auto &info) { return std::string(info.param.nome); };

} // namespace righe
