#pragma once
// What the information dialogs need of the main dialog: where the program lives and how to
// play the welcome sound. The main dialog implements it; tests hand in a recording double.
#include <string>

namespace stillmark {

class IProgramHost {
public:
    virtual ~IProgramHost() = default;
    // The folder of the running executable, without a trailing separator.
    virtual std::string ProgramDir() const = 0;
    virtual void OpenMediaFile(const std::string& path) = 0;
    virtual void PlaySoundFile(const std::string& path) = 0;
};

} // namespace stillmark
