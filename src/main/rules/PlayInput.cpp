#include "main/rules/PlayInput.h"

#include "archive/SFunctions.h"

void TPlayInput::Record(const char* event) {
    if (game_.DemoRecording) game_.Host().DemoRecord(event);
}

void TPlayInput::SetPointer(const std::string& image) {
    game_.SetPointer(image);
    // Entering the clipper or leaving it, the preview must be worked out afresh.
    clipPreviewValid_ = false;
}

// While a demo plays, the player's touch ends it and does nothing else.
bool TPlayInput::DemoInterrupts(int x, int y) {
    int dx = x - game_.PointerPos.X, dy = y - game_.PointerPos.Y;
    return dx * dx + dy * dy > 25;
}

void TPlayInput::FormMouseMove(int x, int y, uint32_t now) {
    if (game_.DemoPlaying) {
        if (DemoInterrupts(x, y)) host_.StopDemo();
        return;
    }
    game_.PointerPos = {x, y};
    LastInputTime = now;
    host_.PointerMoved({x, y}, now);
    Record("<MouseMove>");
    if (game_.HeldPiece < 0)
        UpdateHover(x, y);
    else
        FollowPointer(x, y);
    if (game_.PointerImage == PointerNormal) host_.InterfaceMouseMove(x, y);
}

void TPlayInput::UpdateHover(int x, int y) {
    const std::string& pointer = game_.PointerImage;
    bool onBoard = PointInRect(BoardTakeArea, x, y);
    if (pointer == PointerClipper) {
        game_.HoveredPiece = -1;
        UpdateClipPreview(x, y, false);
    } else if (pointer == PointerNormal) {
        if (onBoard) {
            // On the board only the piece that can be taken back lights up.
            int piece = game_.BoardFishkaAt(x + 5, game_.MapY(y) - 5);
            game_.HoveredPiece = piece >= 0 && piece == game_.LastPlaced ? piece : -1;
        } else {
            game_.HoveredPiece = game_.SteckFishkaAt(x, y);
        }
    } else if (pointer == PointerHammer) {
        int hx = x + HammerHotSpot.X, hy = y + HammerHotSpot.Y;
        if (onBoard) {
            int piece = game_.BoardFishkaAt(hx + 5, game_.MapY(hy - 5));
            if (piece >= 0 && (game_.Fishkas[piece].Root || game_.Fishkas[piece].InitialGroup == 1))
                piece = -1;
            game_.HoveredPiece = piece;
        } else {
            game_.HoveredPiece = game_.SteckFishkaAt(hx, hy);
        }
    }
}

void TPlayInput::UpdateClipPreview(int x, int y, bool force) {
    int px = x + ClipperHotSpot.X, py = y + ClipperHotSpot.Y - 5;
    int frag = game_.Geometry().FragUnderMapPoint(px, game_.MapY(py));
    if (!force && clipPreviewValid_ && frag == game_.ClipPreviewFrag) return;
    game_.ClipPreviewFrag = frag;
    game_.ClipPreview = game_.ClipPreviewType(frag);
    clipPreviewValid_ = true;
}

void TPlayInput::FollowPointer(int x, int y) {
    int piece = game_.HeldPiece;
    TPoint size = game_.PieceImageSize(piece);
    game_.Fishkas[piece].X = x - size.X / 2;
    game_.Fishkas[piece].Y = y - size.Y / 2;
    game_.MismatchSide = -1;
    game_.HeldFits = game_.FitTest(piece).Fits;
}

void TPlayInput::FormMouseDown(int button, int x, int y, uint32_t now) {
    if (game_.DemoPlaying) {
        host_.StopDemo();
        return;
    }
    if (button == ibLeft) Record("<MouseLDown>");
    if (button == ibRight) {
        // The press itself stands for the last forward turn of a backward one.
        if (ShiftDown && game_.HeldPiece >= 0) RecordForwardTurns(TurnsInCycle() - 2);
        Record("<MouseRDown>");
    }
    if (game_.PointerImage == PointerNormal || game_.GameState != gsPlaying)
        host_.InterfaceMouseDown(button, x, y);
    // The interface may have opened a menu over the level.
    if (game_.GameState != gsPlaying) return;
    if (button == ibRight || (button == ibLeft && game_.LevelFinished))
        RightClick(x, y);
    else if (button == ibLeft)
        LeftClick(x, y, now);
}

void TPlayInput::ReplayMove(int x, int y) {
    game_.PointerPos = {x, y};
    if (game_.HeldPiece >= 0)
        FollowPointer(x, y);
    else if (game_.PointerImage == PointerClipper)
        UpdateClipPreview(x, y, false);
}

void TPlayInput::ReplayPress(int button, int x, int y, uint32_t now) {
    if (game_.GameState != gsPlaying) return;
    if (button == ibRight || (button == ibLeft && game_.LevelFinished))
        RightClick(x, y);
    else if (button == ibLeft)
        LeftClick(x, y, now);
}

void TPlayInput::RightClick(int x, int y) {
    if (game_.PointerImage != PointerNormal) SetPointer(PointerNormal);
    if (game_.HeldPiece >= 0) game_.Rotate(!ShiftDown, {x, y});
}

void TPlayInput::LeftClick(int x, int y, uint32_t now) {
    if (game_.HeldPiece >= 0) {
        if (PointInRect(BumperDropArea, x, y)) {
            game_.PutInBumper(now);
            host_.RestartLevelTimers(now);
        } else if (PointInRect(BoardLayArea, x, y)) {
            game_.PlaceHeld(now); // restarts the level's timers itself
        } else {
            host_.RestartLevelTimers(now);
        }
        return;
    }
    if (!PointInRect(BoardTakeArea, x, y)) {
        ClickOffBoard(x, y, now);
        return;
    }
    const std::string& pointer = game_.PointerImage;
    if (pointer == PointerNormal) {
        TPoint at{x + 5, game_.MapY(y) - 5};
        int piece = game_.BoardFishkaAt(at.X, at.Y);
        if (piece >= 0) {
            if (game_.TakePiece(piece, {x, y}, now)) game_.HoveredPiece = -1;
        } else if (!game_.DemoPlaying) {
            host_.HighlightPictureAt(at, now);
        }
    } else if (pointer == PointerClipper) {
        game_.Clip({x, y}, now);
        // The board changed under the pointer: what the clipper would make there too.
        if (game_.PointerImage == PointerClipper) UpdateClipPreview(x, y, true);
    } else if (pointer == PointerHammer) {
        game_.HammerBoard({x, y}, now);
        if (game_.HeldPiece < 0) UpdateHover(x, y);
    }
}

void TPlayInput::ClickOffBoard(int x, int y, uint32_t now) {
    if (PointInRect(HammerButton, x, y) && game_.HammerCount > 0) {
        SetPointer(PointerHammer);
        return;
    }
    if (PointInRect(ClipperButton, x, y) && game_.ClipperCount > 0) {
        SetPointer(PointerClipper);
        return;
    }
    const std::string& pointer = game_.PointerImage;
    if (pointer == PointerHammer) {
        game_.HammerSteck({x, y}, now);
    } else if (pointer == PointerNormal) {
        if (game_.TakePiece(game_.SteckFishkaAt(x, y), {x, y}, now)) game_.HoveredPiece = -1;
    } else {
        SetPointer(PointerNormal);
    }
}

void TPlayInput::FormMouseUp(int button, int x, int y) {
    if (button == ibLeft) Record("<MouseLUp>");
    if (button == ibRight) Record("<MouseRUp>");
    host_.InterfaceMouseUp(button, x, y);
}

void TPlayInput::FormMouseWheel(int delta) {
    // A demo replays its own rotations; the wheel must not add any.
    if (game_.HeldPiece < 0 || game_.DemoPlaying) return;
    if (game_.GameState == gsPlaying) RecordForwardTurns(delta <= 0 ? 1 : TurnsInCycle() - 1);
    game_.Rotate(delta <= 0, game_.PointerPos, false);
}

// How many forward turns bring the held piece back to its type.
int TPlayInput::TurnsInCycle() const {
    const TGeometry& geo = game_.Geometry();
    const int start = game_.Fishkas[game_.HeldPiece].Type;
    int type = start, turns = 0;
    do {
        type = geo.ValidType(type) ? geo.FindFishkaType(geo.TypeOf(type).RotatesTo) : -1;
        ++turns;
    } while (type >= 0 && type != start && turns <= static_cast<int>(geo.CompFishkaTypes.size()));
    return turns;
}

// A demo's right presses turn forward only: a backward turn (Shift, the wheel) and a wheel turn
// are written as the forward turns that reach the same type, or the playback would lay the
// piece turned another way.
void TPlayInput::RecordForwardTurns(int turns) {
    for (int i = 0; i < turns; ++i) {
        Record("<MouseRDown>");
        Record("<MouseRUp>");
    }
}

void TPlayInput::FormKeyPress(uint8_t ch) {
    host_.InterfaceKeyPress(ch);
}

void TPlayInput::FormKeyUp(int key) {
    if (key == vk::Shift) ShiftDown = false;
}
