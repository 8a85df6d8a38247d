#include "main/effects/EffectList.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void TEffectList::Clear() {
    std::vector<EffectRecord> old;
    old.swap(effects_);
    for (const EffectRecord& e : old)
        ReleasePiece(e.FishkaUnderEffect);
}

int TEffectList::AddEffect(const std::string& surface, int64_t timeToLive, const TRect& clip,
                           int64_t wait, int piece, int64_t transChangeTime, double transEnd,
                           double transBegin, uint32_t now) {
    EffectRecord e;
    e.SurfName = surface;
    e.StartTick = int64_t{now} + wait;
    e.TimeToLive = timeToLive == -1 ? -1 : e.StartTick + timeToLive;
    e.TransChangeTime = e.StartTick + transChangeTime;
    e.TransBegin = e.CurrentTrans = transBegin;
    e.TransEnd = transEnd;
    e.State = esVisible;
    e.CurrentFrame = 1;
    e.StartAngle = 0;
    e.CurrentTrack = 0;
    e.TrackPeriod = -1;
    e.TrackPeriodStart = e.StartTick;
    e.Follow = efNone;
    e.Clipper = clip;
    e.Wait = wait;
    e.FishkaUnderEffect = -1;
    if (pieces_ && pieces_->Valid(piece)) {
        e.FishkaUnderEffect = piece;
        pieces_->SetEffectAttached(piece, true);
    }
    effects_.push_back(std::move(e));
    return Count() - 1;
}

void TEffectList::SetBasePoint(int index, int shiftX, int shiftY) {
    if (!Valid(index)) return;
    EffectRecord& e = effects_[index];
    e.ShiftX = shiftX;
    e.ShiftY = shiftY;
    e.X = e.Y = 0;
}

void TEffectList::SetFrames(int index, int count, int64_t frameTime, uint32_t now) {
    if (!Valid(index)) return;
    EffectRecord& e = effects_[index];
    e.FramesNumber = static_cast<uint8_t>(std::clamp(count, 1, 255));
    e.FrameTime = frameTime;
    e.FrameTick = now;
}

void TEffectList::SetMotion(int index, int targetX, int targetY, double rotateAngle,
                            int64_t moveTime, int direction, int radiusA, int radiusB) {
    if (!Valid(index)) return;
    EffectRecord& e = effects_[index];
    e.ToX = targetX;
    e.ToY = targetY;
    e.RotateAngle = rotateAngle;
    e.MoveTime = e.StartTick + moveTime;
    e.Direction = static_cast<int8_t>(std::clamp(direction, -128, 127));
    e.RadiusA = radiusA;
    e.RadiusB = radiusB;
    e.X = e.Y = 0;
}

void TEffectList::SetVelocity(int index, double velocityX, double velocityY, double gravityX,
                              double gravityY) {
    if (!Valid(index)) return;
    EffectRecord& e = effects_[index];
    e.VelocityX = velocityX;
    e.VelocityY = velocityY;
    e.GravityX = gravityX;
    e.GravityY = gravityY;
}

void TEffectList::SetTrack(int index, int64_t period, uint32_t colour, double trackEnd,
                           double trackBegin) {
    if (!Valid(index)) return;
    EffectRecord& e = effects_[index];
    e.Color = colour;
    e.TrackBegin = e.CurrentTrack = trackBegin;
    e.TrackEnd = trackEnd;
    e.TrackPeriod = e.StartTick + period;
    e.TrackPeriodStart = e.StartTick;
}

void TEffectList::SetMoveType(int index, uint8_t transChange, uint8_t moveType) {
    if (!Valid(index)) return;
    EffectRecord& e = effects_[index];
    e.TransChange = transChange;
    e.MoveType = moveType;
    if (moveType == mtSpark) e.MoveTime = -1;
    if (moveType == mtRound) {
        const double l = (e.StartAngle - std::numbers::pi) * e.Direction;
        e.X = std::cos(l) * e.RadiusA;
        e.Y = std::sin(l) * e.RadiusB;
    }
}

void TEffectList::DeleteEffect(int index) {
    if (!Valid(index)) return;
    const int piece = effects_[index].FishkaUnderEffect;
    effects_.erase(effects_.begin() + index);
    ReleasePiece(piece);
}

// A piece stays marked while any effect still holds it.
void TEffectList::ReleasePiece(int piece) {
    if (piece < 0 || !pieces_ || !pieces_->Valid(piece)) return;
    for (const EffectRecord& e : effects_)
        if (e.FishkaUnderEffect == piece) return;
    pieces_->SetEffectAttached(piece, false);
}

void TEffectList::FollowPieces() {
    if (!pieces_) return;
    for (EffectRecord& e : effects_)
        if (pieces_->Valid(e.FishkaUnderEffect))
            e.ShiftY = pieces_->ScreenPosition(e.FishkaUnderEffect).Y;
}

void TEffectList::MoveFollowers(TPoint cursor) {
    for (int i = 0; i < Count(); ++i)
        if (effects_[i].Follow == efMouseCursor) SetBasePoint(i, cursor.X, cursor.Y);
}

bool TEffectList::StopPieceEffect(const std::string& typeName, int piece) {
    if (piece < 0) return false;
    const auto held = [&](const EffectRecord& e) {
        return e.FishkaUnderEffect == piece && e.TypeName == typeName;
    };
    const size_t before = effects_.size();
    std::erase_if(effects_, held);
    if (effects_.size() == before) return false;
    ReleasePiece(piece);
    return true;
}

void TEffectList::PieceRemoved(int piece) {
    if (piece < 0) return;
    for (EffectRecord& e : effects_) {
        if (e.FishkaUnderEffect == piece)
            e.FishkaUnderEffect = -1;
        else if (e.FishkaUnderEffect > piece)
            --e.FishkaUnderEffect;
    }
}

TEffectList& EffectListOf(TSurfEngine& engine) {
    if (auto* list = dynamic_cast<TEffectList*>(engine.Effects())) return *list;
    auto list = std::make_unique<TEffectList>();
    TEffectList& result = *list;
    engine.SetEffectList(std::move(list));
    return result;
}
