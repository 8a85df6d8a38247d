#include "main/shell/GameSession.h"

#include "archive/FileFolder.h"
#include "main/shell/LanguageStart.h"
#include "main/shell/MainForm.h"

TGameSession::TGameSession(TMainForm& form)
    : form_(form), images_(form.Surfaces(), form.SquaresArchive(), form), levelHost_(form, *this),
      loader_(form.Game(), form.Geometry(), objects_, images_, levelHost_),
      runtime_(form.Game(), objects_, images_, levelHost_),
      scenery_(form.Surfaces(), form.Game(), objects_, runtime_), playHost_(form, *this),
      input_(form.Game(), playHost_), widgets_(form.Interface()), flowHost_(form, *this),
      flow_(form.Game(), levels_, widgets_, flowHost_),
      saves_(flow_, form.Game(), widgets_, flowHost_, form.UserPath("saves/")),
      scores_(flow_, widgets_, flowHost_, form.UserPath("HighScores.dat")),
      optionsHost_(form, *this), options_(form.Settings, form.Audio(), optionsHost_),
      demoHost_(form, *this),
      demo_(form.Game(), flow_, levels_, widgets_, flowHost_, demoHost_, form.Rand) {}

void TGameSession::Start() {
    if (TFileFolder* squares = form_.SquaresArchive()) {
        try {
            levels_ = LoadLevelList(*squares);
        } catch (const std::exception& e) {
            form_.Log(std::string("Loading the level list: ") + e.what());
        }
    }
    scores_.Load();
    TVexMethodTable& methods = form_.Methods();
    flow_.RegisterHandlers(methods);
    saves_.RegisterHandlers(methods);
    scores_.RegisterHandlers(methods);
    options_.RegisterHandlers(methods);
    methods.RegisterMethod("BDemoWTitleMouseUp", [this] { demo_.BDemoWTitleMouseUp(form_.Now()); });
    methods.RegisterMethod("BOkWLanguageMouseUp", [this] {
        const std::string code = CheckedLanguage(form_.Interface());
        if (!code.empty()) form_.ChooseLanguage(code);
    });
    // A language clicked and then cancelled is not the one shown next time.
    methods.RegisterMethod("BCancelWLanguageMouseUp", [this] {
        widgets_.SelectRadio("R" + form_.CurrentLanguage() + "WLanguage");
    });
    input_.RegisterHandlers(methods, [this] { return form_.Now(); });
    input_.SetDeveloperKeys(form_.Settings.DeveloperKeys());
    form_.SetLevelHooks(&runtime_);
    form_.SetLevelLayers(&scenery_);
}
