#include "archive/FileFolder.h"
#include "graphics/ResourceList.h"
#include "main/options/Settings.h"
#include "main/shell/GameSession.h"
#include "main/shell/MainForm.h"

namespace {
constexpr int LevelSlots = 3; // the catalogue's slots: game, squares and the level's own images
}

uint32_t TFormFlowHost::Now() {
    return form_.Now();
}

void TFormFlowHost::StopAllAudio() {
    form_.Audio().StopAll();
}

void TFormFlowHost::PlayMusic(const std::string& name) {
    form_.Audio().ChangeMusic(name);
}

void TFormFlowHost::RebuildBackground() {
    form_.RebuildBackground();
}

// Images of the last level that this one does not name are freed; its new ones are loaded.
void TFormFlowHost::ResolveSurfaces() {
    if (TResourceList* resources = form_.Resources()) {
        resources->MarkUnused(LevelSlots);
        resources->ResolveSurfaces(LevelSlots);
    }
}

void TFormFlowHost::ResetLevel(uint32_t now) {
    session_.Loader().ResetLevel(now);
    form_.Render().PictureHighlight = -1;
}

bool TFormFlowHost::LoadLevel(const std::string& fileName, const TLevelSkills& skills,
                              uint32_t now) {
    TFileFolder* squares = form_.SquaresArchive();
    if (!squares) return false;
    try {
        if (!session_.Loader().LoadLevel(*squares, fileName, skills, now)) return false;
    } catch (const std::exception& e) {
        // A broken level file: the player goes back to the menu rather than onto half a board.
        form_.Log("Level \"" + fileName + "\": " + e.what());
        form_.ShowMessage(e.what());
        return false;
    }
    form_.Game().FindOpenEnds();
    return true;
}

TPoint TFormFlowHost::LoadLevelImage(const std::string& name) {
    if (!session_.Images().Ensure(name)) return {};
    return session_.Images().Size(name);
}

bool TFormFlowHost::SavesFolderExists() {
    return session_.Saves().Folder().Exists();
}

// A save that fails is reported, and the game goes on to the between-level menu.
void TFormFlowHost::AutoSave() {
    try {
        session_.Saves().SaveTo(form_.UserPath("saves/autosave.sav"));
    } catch (const std::exception& e) {
        form_.Log(e.what());
        form_.ShowMessage(e.what());
    }
}

std::string TFormFlowHost::PlayerName() {
    return form_.Settings.PlayerName;
}

void TFormFlowHost::StorePlayerName(const std::string& name) {
    form_.Settings.PlayerName = name;
    WriteSettings();
}

void TFormFlowHost::SkipIntroHints() {
    form_.Game().HintsPending = THintsPending{false, false, false, false, false, false};
}

void TFormFlowHost::ShowError(const std::string& text) {
    form_.ShowMessage(text);
}

void TFormFlowHost::WriteSettings() {
    form_.SaveSettings();
}

void TFormFlowHost::CloseProgram() {
    form_.Close();
}

void TFormFlowHost::DebugLog(const std::string& line) {
    form_.Log(line);
}

std::string TFormFlowHost::DemoLevelName() {
    return session_.Demo().LevelName();
}
