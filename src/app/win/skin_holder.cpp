// Loading and applying a skin: the face, the hands, the labels, the buttons
// and the cursors.
#include "app/win/skin_holder.h"

#include <array>
#include <cstring>
#include <optional>

#include "app/win/skin_button_bar.h"
#include "common/win/wide_text.h"
#include "render/layer.h"
#include "skin/skin_engine_setup.h"
#include "skin/tks_archive.h"
#include "skin/win/skin_loader.h"
#include "common/win/window_region.h"

namespace tikolvo {
namespace {

LabelWeight WeightOf(FontStyle style) {
  switch (style) {
    case FontStyle::Bold: return LabelWeight::Bold;
    case FontStyle::Italic: return LabelWeight::Italic;
    case FontStyle::Underline: return LabelWeight::Underline;
    case FontStyle::StrikeOut: return LabelWeight::StrikeOut;
    default: return LabelWeight::Regular;
  }
}

LabelLook LookOf(const LabelFont& font, const Box& box) {
  LabelLook look;
  look.box = box;
  look.fontName = font.name;
  look.points = font.size;
  look.style = WeightOf(font.style);
  look.colour = font.colour;  // both 0x00BBGGRR
  return look;
}

Box BoxOf(const LabelPlacement& p) { return {p.left, p.top, p.left + p.width, p.top + p.height}; }

void ApplyLabels(const SkinDescription& d, int faceWidth, FaceLabelView& view, FaceLabelTexts& texts) {
  LabelFormats formats;
  formats.dateShown = d.date.show;
  formats.datePattern = d.date.format;
  if (d.date.show) {
    view.SetLook(FaceLabel::Date, LookOf(d.date.font, Box{0, d.date.top, 0, 0}), faceWidth);
  } else {
    view.Hide(FaceLabel::Date);
  }
  formats.timeShown = d.time.show;
  formats.timeSeconds = d.time.showSeconds;
  if (d.time.show) {
    view.SetLook(FaceLabel::Time, LookOf(d.time.font, BoxOf(d.time.placement)), faceWidth);
  } else {
    view.Hide(FaceLabel::Time);
  }
  for (int i = 0; i < 3; ++i) {
    const FormatLabelDescription& f = d.formats[i];
    const auto label = static_cast<FaceLabel>(static_cast<int>(FaceLabel::Format1) + i);
    formats.free[i] = {f.show, f.format, f.everySecond};
    if (f.show) {
      view.SetLook(label, LookOf(f.font, BoxOf(f.placement)), faceWidth);
    } else {
      view.Hide(label);
    }
  }
  texts.Reset(formats);
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
      return ReadSkin(path, TemporaryFolder(), EngineHandRecords(face.engine()));
    } catch (const std::exception&) {
      return std::nullopt;  // a damaged archive: the caller falls back
    }
  }

  // Nothing when the face cannot be shown.
  std::optional<SkinOutcome> Apply(const LoadedSkin& skin, DateTime now, const OwnHandColours& own);
  SkinMouseResult Convert(const ButtonBarResult& r) const;

  void RememberLabelHints(const SkinDescription& d) {
    const LabelHint* hints[kFaceLabelCount] = {};
    hints[static_cast<int>(FaceLabel::Date)] = &d.date.hint;
    hints[static_cast<int>(FaceLabel::Time)] = &d.time.hint;
    for (int i = 0; i < 3; ++i) hints[static_cast<int>(FaceLabel::Format1) + i] = &d.formats[i].hint;
    for (int i = 0; i < kFaceLabelCount; ++i)
      labelHints[i] = hints[i] && hints[i]->show ? Widen(hints[i]->text) : std::wstring();
  }
};

std::optional<SkinOutcome> SkinHolder::Impl::Apply(const LoadedSkin& skin, DateTime now,
                                                   const OwnHandColours& own) {
  if (skin.face.empty()) return std::nullopt;
  SkinOutcome out;
  const SkinDescription& d = skin.description;
  Engine& engine = face.engine();
  ApplyClockDescription(d.clock, engine);
  const bool shown = skin.type == 3
                         ? face.ShowLayered(Premultiply(ToBitmap24(skin.face), ToBitmap24(skin.mask)), d.clock.handRect)
                         : face.ShowFace(skin.face, d.clock.handRect, d.clock.transparentBackground);
  if (!shown) return std::nullopt;
  const SkinHandColours colours = own.on ? SkinHandColours{own.basic, own.second, own.alarm} : d.colours;
  ApplyHandColours(colours, engine);
  engine.SetDayPicture(ToBitmap24(skin.day));
  engine.SetNightPicture(ToBitmap24(skin.night));
  face.SetHandsEnabled(d.clock.handsEnabled);
  const HandRecord& weekday = d.clock.Hand(HandId::Weekday);
  angles.SetSmoothing({d.clock.minuteSmooth, d.clock.enhanced && weekday.shape != HandShape::None && weekday.smooth,
                       d.clock.enhanced && d.clock.Hand(HandId::Month).smooth});
  angles.PrepareCalendar(now);
  ApplyLabels(d, face.width(), face.labels(), labels);
  RememberLabelHints(d);
  bar.Reset(skin);
  face.SetOverlay(&bar);
  LoadCursors(skin.cursors);
  out.type = skin.type;
  out.keyColour = skin.type != 3 && d.clock.transparentBackground;
  out.dropShadow = skin.type != 3 && d.window.dropShadow;
  out.edges = SnapEdges{d.window.snapLeft, d.window.snapRight, d.window.snapTop, d.window.snapBottom};
  out.hintLayout = HintLayoutFor(skin.hintIcon.has_value(), d.window);
  if (skin.hintIcon && !skin.hintIcon->empty()) {
    out.hintIcon = BitmapOf(*skin.hintIcon);
    out.hintIconSize = SIZE{skin.hintIcon->width, skin.hintIcon->height};
  }
  if (skin.type != 3 && skin.hasMask)
    out.region.Reset(RegionFromRects(skin.kept, skin.face.width, skin.face.height));
  out.basic = colours.basic;
  out.second = colours.second;
  out.alarm = colours.alarm;
  return out;
}

SkinHolder::SkinHolder(FaceView& face, FaceLabelTexts& labels, FaceAngles& angles)
    : impl_(std::make_unique<Impl>(face, labels, angles)) {}

SkinHolder::~SkinHolder() = default;

SkinOutcome SkinHolder::Load(const std::string& path, const std::string& programFolder, DateTime now,
                             const OwnHandColours& own) {
  std::optional<LoadedSkin> skin = impl_->Read(path);
  const bool asked = skin && !skin->face.empty();
  if (!asked) {
    const std::string builtin = RestoreBuiltinSkin(programFolder);
    skin = builtin.empty() ? std::nullopt : impl_->Read(builtin);
  }
  std::optional<SkinOutcome> applied;
  if (skin) applied = impl_->Apply(*skin, now, own);
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
  applied->loaded = asked;
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
