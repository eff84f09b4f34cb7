#pragma once

// The latch that makes a held key or button act once: the first press that acts takes it,
// and nothing acts again through it until the real release lets it go. Auto-repeat would
// otherwise act on every repeat.
class Fermo
{
public:
    // True when nothing holds the latch; the latch is taken from then on.
    bool prendi();
    void tieni() { m_tenuto = true; }
    void lascia() { m_tenuto = false; }
    bool tenuto() const { return m_tenuto; }

    // A typed character: true for a Space that the latch lets act, and it takes the latch.
    bool spazio(int carattere);

private:
    bool m_tenuto = false;
};
