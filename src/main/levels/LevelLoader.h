#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "main/levels/LevelHost.h"
#include "main/levels/LevelImages.h"
#include "main/levels/LevelObjects.h"
#include "main/rules/Game.h"

class TFileFolder;
class TLevelLine;
class ILevelReadObserver;

// The player's skills that shape a level as it loads: count plus pending value of each.
struct TLevelSkills {
    int Live = 0;
    int DropAccel = 0;
    int LuckyTwig = 0;
};

// Reads a level file into the game: pieces on the board, feed and bonus settings, scenery and
// the objects that act during play. Lines are recognised by tag texts, one tag per line.
class TLevelLoader {
  public:
    TLevelLoader(TGame& game, TGeometry& geometry, TLevelObjects& objects, TLevelImages& images,
                 ILevelHost& levelHost)
        : game_(game), geo_(geometry), objects_(objects), images_(images), levelHost_(levelHost) {}

    // Empties the per-level state before a level loads.
    void ResetLevel(uint32_t now);
    // Loads the named level file from the levels archive; false (nothing loaded) when the
    // archive does not hold it. A bad strict number raises GameError.
    bool LoadLevel(TFileFolder& squares, const std::string& fileName, const TLevelSkills& skills,
                   uint32_t now);
    // Told how every line is read (a level check); null for none.
    void SetReadObserver(ILevelReadObserver* observer) { observer_ = observer; }
    // The same from level text in hand (a level author's file).
    void LoadLevelText(const std::string& fileName, const std::string& text,
                       const TLevelSkills& skills, uint32_t now);

  private:
    struct TReadState;

    void BeginLoad();
    void ReadLine(TReadState& s, const TLevelLine& line);
    void ReadMapLine(TReadState& s, const TLevelLine& line);
    void ReadSettingLine(TReadState& s, const TLevelLine& line);
    void ReadPieceLine(TReadState& s, const TLevelLine& line);
    void ReadPictureLine(TReadState& s, const TLevelLine& line);
    void ReadPointLine(TReadState& s, const TLevelLine& line);
    void ReadActionLine(TReadState& s, const TLevelLine& line);
    void ReadListLine(TReadState& s, const TLevelLine& line);
    void MapRow(TReadState& s, const TLevelLine& line);
    void PlaceLevelPiece(const TLevelLine& line);
    void PlaceGhost(TReadState& s, const TLevelLine& line);
    void PlacePoint(TReadState& s, const TLevelLine& line);
    // The actions of the point being read, else of the current bonus element; null if none.
    TLevelActions* ActionTarget(TReadState& s, const TLevelLine& line);
    TStartEffect* StartEffectTarget(TReadState& s);
    int PictureUnder(int x, int y) const;
    int BoardFrag(int x, int y) const { return geo_.FragUnderMapPoint(x, y - 15); }
    bool PlaceAtLoad(int piece, int frag);
    void Skip(const TLevelLine& line, const std::string& why);
    void Progress(TReadState& s, int position);

    void Finish(TReadState& s, const TLevelSkills& skills);
    void SortPictures();
    void CoverFrags(TReadState& s);
    void CoverFrag(int frag, TLevelPicture& picture);

    TGame& game_;
    TGeometry& geo_;
    TLevelObjects& objects_;
    TLevelImages& images_;
    ILevelHost& levelHost_;
    uint32_t now_ = 0;
    TLevelSkills skills_;
    ILevelReadObserver* observer_ = nullptr;
};
