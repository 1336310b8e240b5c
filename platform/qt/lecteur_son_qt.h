#pragma once
// A sound player on a QSoundEffect. Playing never waits: without a device the effect stays silent.

#include <QSoundEffect>
#include <memory>

#include "platform/controles.h"

class LecteurSonQt final : public LecteurSon {
public:
    void setFileName(const std::string& chemin) override { fichier_ = chemin; }
    std::string FileName() const override { return fichier_; }
    void Open() override;
    void Play() override;

    // Open found a sound file to play.
    bool ouvert() const { return !ouvert_.isEmpty(); }

private:
    std::string fichier_;
    // The file Open found; the effect is made at the first Play, so that a program that plays
    // nothing never wakes the audio system, and starting costs no time for it.
    QString ouvert_;
    std::unique_ptr<QSoundEffect> son_;
};
