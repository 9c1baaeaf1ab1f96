// Loading and applying a skin: the face, the hands, the labels, the buttons
// and the cursors.
#include "app/win/skin_holder.h"

#include <array>
#include <cstring>
#include <optional>

#include "app/win/skin_button_bar.h"
#include "common/win/wide_text.h"
#include "render/layer.h"
#include "common/win/window_region.h"
#include "skin/skin_engine_setup.h"
#include "skin/skin_files.h"
#include "skin/win/builtin_skin.h"

namespace tikolvo {
namespace {

void ApplyLabels(const SkinPlan& plan, int faceWidth, FaceLabelView& view, FaceLabelTexts& texts) {
  for (int i = 0; i < kFaceLabelCount; ++i) {
    const auto label = static_cast<FaceLabel>(i);
    const SkinLabelPlan& l = plan.labels[i];
    if (l.shown) {
      view.SetLook(label, l.look, faceWidth);
    } else {
      view.Hide(label);
    }
  }
  texts.Reset(plan.formats);
}

UniqueGdi<HBITMAP> BitmapOf(const Picture& picture) {
  DibSection dib = CreateDib32(picture.width, picture.height);
  if (dib.bitmap) std::memcpy(dib.bits, picture.pixels.data(), picture.pixels.size() * 4);
  return std::move(dib.bitmap);
}

SkinCommand CommandOf(SkinButton button) {
  switch (button) {
    case SkinButton::Minimise: return SkinCommand::Minimise;
    case SkinButton::Settings: return SkinCommand::Settings;
    case SkinButton::Close: return SkinCommand::Close;
    case SkinButton::WebMenu: return SkinCommand::WebMenu;
    case SkinButton::Power: return SkinCommand::Power;
    case SkinButton::ProgramMenu: return SkinCommand::ProgramMenu;
  }
  return SkinCommand::None;
}

}  // namespace

struct SkinHolder::Impl {
  FaceView& face;
  FaceLabelTexts& labels;
  FaceAngles& angles;
  SkinButtonBar bar;
  std::array<std::wstring, kFaceLabelCount> labelHints;  // empty: no hint
  std::array<HCURSOR, kBackgroundCursorSlot + 1> slots{};
  int faceCursor = kArrowCursor;

  Impl(FaceView& f, FaceLabelTexts& l, FaceAngles& a) : face(f), labels(l), angles(a) {}
  ~Impl() { FreeCursors(); }

  void FreeCursors() {
    for (HCURSOR& c : slots) {
      if (c) DestroyCursor(c);
      c = nullptr;
    }
  }

  void LoadCursors(const CursorPlan& plan) {
    FreeCursors();
    for (const CursorLoad& load : plan.loads)
      if (load.slot > 0 && load.slot < static_cast<int>(slots.size()))
        slots[load.slot] = LoadCursorFromFileW(Widen(load.path).c_str());
    faceCursor = plan.face;
  }

  HCURSOR Resolve(int number) const {
    if (number == kHandPointerCursor) return LoadCursorW(nullptr, IDC_HAND);
    if (number > 0 && number < static_cast<int>(slots.size()) && slots[number]) return slots[number];
    return LoadCursorW(nullptr, IDC_ARROW);
  }

  std::optional<LoadedSkin> Read(const std::string& path) {
    try {
      return ReadSkinFromDisk(path, TemporaryFolder(), EngineHandRecords(face.engine()));
    } catch (const std::exception&) {
      return std::nullopt;  // a damaged archive: the caller falls back
    }
  }

  // Nothing when the face cannot be shown.
  std::optional<SkinOutcome> Apply(const LoadedSkin& skin, DateTime now, const OwnHandColours& own);
  SkinMouseResult Convert(const ButtonBarResult& r) const;

  void RememberLabelHints(const SkinPlan& plan) {
    for (int i = 0; i < kFaceLabelCount; ++i) labelHints[i] = Widen(plan.labels[i].hint);
  }
};

std::optional<SkinOutcome> SkinHolder::Impl::Apply(const LoadedSkin& skin, DateTime now,
                                                   const OwnHandColours& own) {
  const SkinPlan plan = PlanSkin(skin, own);
  const SkinDescription& d = skin.description;
  Engine& engine = face.engine();
  ApplyClockDescription(d.clock, engine);
  const bool shown = skin.type == 3
                         ? face.ShowLayered(Premultiply(ToBitmap24(skin.face), ToBitmap24(skin.mask)), d.clock.handRect)
                         : face.ShowFace(skin.face, d.clock.handRect, d.clock.transparentBackground);
  if (!shown) return std::nullopt;
  ApplyHandColours(plan.colours, engine);
  engine.SetDayPicture(ToBitmap24(skin.day));
  engine.SetNightPicture(ToBitmap24(skin.night));
  face.SetHandsEnabled(plan.handsEnabled);
  angles.SetSmoothing(plan.smoothing);
  angles.PrepareCalendar(now);
  ApplyLabels(plan, face.width(), face.labels(), labels);
  RememberLabelHints(plan);
  bar.Reset(skin);
  face.SetOverlay(&bar);
  LoadCursors(skin.cursors);
  SkinOutcome out;
  out.type = plan.type;
  out.keyColour = plan.keyColour;
  out.dropShadow = plan.dropShadow;
  out.edges = plan.edges;
  out.hintLayout = plan.hintLayout;
  if (skin.hintIcon && !skin.hintIcon->empty()) {
    out.hintIcon = BitmapOf(*skin.hintIcon);
    out.hintIconSize = SIZE{skin.hintIcon->width, skin.hintIcon->height};
  }
  if (plan.shapedByMask) out.region.Reset(RegionFromRects(skin.kept, skin.face.width, skin.face.height));
  out.basic = plan.colours.basic;
  out.second = plan.colours.second;
  out.alarm = plan.colours.alarm;
  out.programMenuAlignment = d.programMenuAlignment;
  out.webMenuAlignment = d.webMenuAlignment;
  return out;
}

SkinHolder::SkinHolder(FaceView& face, FaceLabelTexts& labels, FaceAngles& angles)
    : impl_(std::make_unique<Impl>(face, labels, angles)) {}

SkinHolder::~SkinHolder() = default;

SkinOutcome SkinHolder::Load(const std::string& path, const std::string& programFolder, DateTime now,
                             const OwnHandColours& own) {
  SkinPick pick = PickSkin(
      path, [this](const std::string& p) { return impl_->Read(p); },
      [&programFolder] { return RestoreBuiltinSkin(programFolder); });
  std::optional<SkinOutcome> applied;
  if (pick.skin) applied = impl_->Apply(*pick.skin, now, own);
  if (!applied) {
    // Not even the built-in archive: the face the program draws itself.
    impl_->bar.Clear();
    impl_->face.SetOverlay(nullptr);
    impl_->FreeCursors();
    impl_->faceCursor = kArrowCursor;
    impl_->face.ShowBuiltin(impl_->labels);
    impl_->angles.SetSmoothing({});
    impl_->angles.PrepareCalendar(now);
    applied.emplace();
    applied->builtinFace = true;
    applied->edges = SnapEdges{};  // the drawn face snaps to every edge
    applied->region.Reset(impl_->face.CreateBuiltinRegion());
  }
  applied->loaded = pick.asked;
  return std::move(*applied);
}

SkinMouseResult SkinHolder::Impl::Convert(const ButtonBarResult& r) const {
  SkinMouseResult m;
  m.handled = r.handled;
  m.dirty = r.dirty;
  m.showHint = r.showHint;
  m.hideHint = r.hideHint;
  m.hint = Widen(r.hint);
  m.setCapture = r.setCapture;
  m.releaseCapture = r.releaseCapture;
  m.captionDrag = r.captionDrag;
  if (r.clicked) {
    m.clicked = CommandOf(*r.clicked);
    m.menuOrigin = bar.MenuOrigin(*r.clicked);
  }
  return m;
}

SkinMouseResult SkinHolder::MouseMove(int x, int y) { return impl_->Convert(impl_->bar.MouseMove(x, y)); }
SkinMouseResult SkinHolder::MouseDown(int x, int y, bool right) {
  return impl_->Convert(impl_->bar.MouseDown(x, y, right));
}
SkinMouseResult SkinHolder::MouseUp(int x, int y) { return impl_->Convert(impl_->bar.MouseUp(x, y)); }
SkinMouseResult SkinHolder::MouseLeave() { return impl_->Convert(impl_->bar.MouseLeave()); }

HCURSOR SkinHolder::CursorAt(int x, int y) const {
  const std::optional<int> button = impl_->bar.CursorAt(x, y);
  return impl_->Resolve(button.value_or(impl_->faceCursor));
}

std::wstring SkinHolder::LabelHintAt(int x, int y) const {
  const FaceLabelView& view = impl_->face.labels();
  for (int i = 0; i < kFaceLabelCount; ++i) {
    const auto label = static_cast<FaceLabel>(i);
    const Box box = view.BoxOf(label);
    if (!view.Shown(label) || impl_->labelHints[i].empty()) continue;
    if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) return impl_->labelHints[i];
  }
  return {};
}

}  // namespace tikolvo
