#pragma once
#include <string>
#include <vector>

#include "archive/SFunctions.h"

class TVexInterfaceEngine;

// The code of the first checked radio button of the language window ("DEU" from
// "RDEUWLanguage"), or "" when none is checked.
std::string CheckedLanguage(const TVexInterfaceEngine& ui);

// A language file of the "lng" folder: code = first three letters of the name, order = the
// number between the first "_" and the first ".".
struct TLanguageFile {
    std::string Path;
    std::string Code;
    int Order = 0;
};

// The language machinery at start-up: one radio button per language in the language window,
// and the chosen language laid over the interface. A missing folder turns it off quietly.
class TLanguageStart {
  public:
    TLanguageStart(TVexInterfaceEngine& ui, std::string folder)
        : ui_(ui), folder_(std::move(folder)) {}

    void SetCurrent(const std::string& code) { current_ = UpperCase(code); }
    const std::string& Current() const { return current_; }
    // Files whose names end in "lng", in folder order (sorted by name, so runs repeat).
    std::vector<TLanguageFile> ListFiles() const;
    void SetupLanguageWindow();
    // Puts back the interface file's texts, then applies every file of the current language.
    void ApplyLanguage();

  private:
    TVexInterfaceEngine& ui_;
    std::string folder_;
    std::string current_ = "ENU";
};
