#pragma once
#include <cstdint>

#include "main/levels/LevelImages.h"
#include "main/levels/LevelList.h"
#include "main/levels/LevelLoader.h"
#include "main/levels/LevelObjects.h"
#include "main/levels/LevelRuntime.h"
#include "main/progress/Demo.h"
#include "main/progress/GameFlow.h"
#include "main/progress/HighScoreWindow.h"
#include "main/progress/InterfaceWidgets.h"
#include "main/progress/SaveWindows.h"
#include "main/rules/PlayInput.h"
#include "main/shell/LevelScenery.h"
#include "main/shell/SessionHosts.h"

class TMainForm;

// The game being played on the form: the level list and the loaded level with its scenery,
// the player's input and the flow from the start dialog to the final score. It exists once the
// form's data is loaded.
class TGameSession {
  public:
    explicit TGameSession(TMainForm& form);
    TGameSession(const TGameSession&) = delete;
    TGameSession& operator=(const TGameSession&) = delete;

    // Reads the level list and plugs the session into the form: handlers, hooks, layers.
    void Start();

    TPlayInput& Input() { return input_; }
    TGameFlow& Flow() { return flow_; }
    TSaveWindows& Saves() { return saves_; }
    THighScoreWindow& HighScores() { return scores_; }
    TOptionsWindow& Options() { return options_; }
    TInterfaceWidgets& Widgets() { return widgets_; }
    TDemo& Demo() { return demo_; }
    TLevelList& Levels() { return levels_; }
    TLevelObjects& Objects() { return objects_; }
    TLevelLoader& Loader() { return loader_; }
    TLevelRuntime& Runtime() { return runtime_; }
    TLevelImages& Images() { return images_; }
    TLevelScenery& Scenery() { return scenery_; }

  private:
    TMainForm& form_;
    TLevelList levels_;
    TLevelObjects objects_;
    TLevelImages images_;
    TFormLevelHost levelHost_;
    TLevelLoader loader_;
    TLevelRuntime runtime_;
    TLevelScenery scenery_;
    TFormPlayHost playHost_;
    TPlayInput input_;
    TInterfaceWidgets widgets_;
    TFormFlowHost flowHost_;
    TGameFlow flow_;
    TSaveWindows saves_;
    THighScoreWindow scores_;
    TFormOptionsHost optionsHost_;
    TOptionsWindow options_;
    TFormDemoHost demoHost_;
    TDemo demo_;
};
