#pragma once

// The values a whole game keeps from level to level (a saved game stores them). The tool
// stock, the running level's score and its experience live in the game itself (TGame).
struct TProgression {
    int CurrentLevel = 0; // 0-based index into the level list
    int TotalScore = 0;   // of all finished levels
    // The tool stock when the current level started, before its skill points were added: a
    // lost or abandoned level gives these back.
    int TotalHammerNum = 0;
    int TotalCapNum = 0;
    int ExperiencePool = 0; // not yet given to a skill
    // Points given in the between-level menu, taking effect when the next level starts.
    int PlusLife = 0;   // Live
    int PlusOtb = 0;    // DropAccel
    int PlusLuck = 0;   // LuckyTwig
    int PlusCap = 0;    // Amphora
    int PlusHammer = 0; // Hammer
    // Accumulated skill levels.
    int SkillLife = 0;
    int SkillOtb = 0;
    int SkillLuck = 0;
    // The difficulty; none set is Normal, at most one is set.
    bool NoLose = false;
    bool Easy = false;
    bool Hard = false;
};
