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
    bool ouvert() const { return son_ != nullptr; }

private:
    std::string fichier_;
    // Made only for a file that exists, so that a missing sound never wakes the audio system.
    std::unique_ptr<QSoundEffect> son_;
};
