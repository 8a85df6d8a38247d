#pragma once
#include <cstdint>
#include <string>

#include "archive/Rect.h"

class TSurfEngine;
class TFileFolder;
class IGameHost;

// How debug.log begins the line for an image a level names but the levels archive lacks.
inline const std::string LevelImageNotFound = "Level image not found: ";

// The level's images: loaded from the levels archive the first time a level names them and
// registered with the catalogue, so a later level start keeps them.
class TLevelImages {
  public:
    // squares may be null: then only images already in the engine exist.
    TLevelImages(TSurfEngine& engine, TFileFolder* squares, IGameHost& host)
        : engine_(engine), squares_(squares), host_(host) {}

    // Loads the image unless a surface of that name exists; false when it cannot be found.
    bool Ensure(const std::string& name);
    // Width and height, 0 x 0 when unknown.
    TPoint Size(const std::string& name) const;
    // One opacity byte per pixel (non-zero is opaque), width Size().X; nullptr without a mask.
    const uint8_t* Mask(const std::string& name) const;
    TSurfEngine& Engine() { return engine_; }

  private:
    TSurfEngine& engine_;
    TFileFolder* squares_;
    IGameHost& host_;
};
