#pragma once

#include <QFile>
#include <QTextToSpeechEngine>
#include <QVoice>

// A speech engine that says nothing and writes down what it is asked: one line per call,
// "stop" or "say <text>", and "fine" once it is gone, in the file named by
// TANDORINO_PROVA_VOCE_REGISTRO. What it offers is set by TANDORINO_PROVA_VOCE_MODO: "italiano"
// (the default) speaks Italian, "inglese" has only an English voice, "guasto" finds no speech
// service; "lento" does not start, like a speech service that does not answer, and "tenace" does
// not let go at its end, both until the file named by TANDORINO_PROVA_VOCE_VIA exists. A
// sentence, once started, lasts until stopped.
class MotoreDiProva : public QTextToSpeechEngine
{
    Q_OBJECT

public:
    explicit MotoreDiProva(QObject *parent);
    ~MotoreDiProva() override;

    QList<QLocale> availableLocales() const override;
    QList<QVoice> availableVoices() const override;
    void say(const QString &text) override;
    void stop(QTextToSpeech::BoundaryHint boundaryHint) override;
    void pause(QTextToSpeech::BoundaryHint boundaryHint) override;
    void resume() override;
    double rate() const override { return 0; }
    bool setRate(double) override { return true; }
    double pitch() const override { return 0; }
    bool setPitch(double) override { return true; }
    QLocale locale() const override { return m_lingua; }
    bool setLocale(const QLocale &locale) override;
    double volume() const override { return 1; }
    bool setVolume(double) override { return true; }
    QVoice voice() const override { return {}; }
    bool setVoice(const QVoice &) override { return false; }
    QTextToSpeech::State state() const override { return m_stato; }
    QTextToSpeech::ErrorReason errorReason() const override;
    QString errorString() const override;

private:
    void registra(const QString &riga);
    void cambiaStato(QTextToSpeech::State stato);

    QString m_modo;
    QLocale m_lingua;
    QTextToSpeech::State m_stato = QTextToSpeech::Ready;
};
