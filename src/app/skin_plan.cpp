#include "app/skin_plan.h"

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

SkinLabelPlan LabelOf(bool shown, const LabelFont& font, const Box& box, const LabelHint& hint) {
  SkinLabelPlan plan;
  plan.shown = shown;
  plan.look.box = box;
  plan.look.fontName = font.name;
  plan.look.points = font.size;
  plan.look.style = WeightOf(font.style);
  plan.look.colour = font.colour;
  plan.hint = hint.show ? hint.text : std::string();
  return plan;
}

Box BoxOf(const LabelPlacement& p) { return {p.left, p.top, p.left + p.width, p.top + p.height}; }

void PlanLabels(const SkinDescription& d, SkinPlan& plan) {
  LabelFormats& formats = plan.formats;
  formats.dateShown = d.date.show;
  formats.datePattern = d.date.format;
  formats.timeShown = d.time.show;
  formats.timeSeconds = d.time.showSeconds;
  plan.labels[static_cast<int>(FaceLabel::Date)] = LabelOf(d.date.show, d.date.font, Box{0, d.date.top, 0, 0}, d.date.hint);
  plan.labels[static_cast<int>(FaceLabel::Time)] =
      LabelOf(d.time.show, d.time.font, BoxOf(d.time.placement), d.time.hint);
  for (int i = 0; i < 3; ++i) {
    const FormatLabelDescription& f = d.formats[i];
    formats.free[i] = {f.show, f.format, f.everySecond};
    plan.labels[static_cast<int>(FaceLabel::Format1) + i] = LabelOf(f.show, f.font, BoxOf(f.placement), f.hint);
  }
}

}  // namespace

SkinPlan PlanSkin(const LoadedSkin& skin, const OwnHandColours& own) {
  const SkinDescription& d = skin.description;
  SkinPlan plan;
  plan.type = skin.type;
  plan.colours = own.on ? SkinHandColours{own.basic, own.second, own.alarm} : d.colours;
  // The weekday hand creeps only where it is drawn, and both calendar hands
  // only with the enhanced hands.
  const HandRecord& weekday = d.clock.Hand(HandId::Weekday);
  plan.smoothing = {d.clock.minuteSmooth, d.clock.enhanced && weekday.shape != HandShape::None && weekday.smooth,
                    d.clock.enhanced && d.clock.Hand(HandId::Month).smooth};
  plan.handsEnabled = d.clock.handsEnabled;
  // A layered face carries its own alpha: no key colour, shadow or mask shape.
  const bool layered = skin.type == 3;
  plan.keyColour = !layered && d.clock.transparentBackground;
  plan.dropShadow = !layered && d.window.dropShadow;
  plan.shapedByMask = !layered && skin.hasMask;
  plan.edges = SnapEdges{d.window.snapLeft, d.window.snapRight, d.window.snapTop, d.window.snapBottom};
  plan.hintLayout = HintLayoutFor(skin.hintIcon.has_value(), d.window);
  PlanLabels(d, plan);
  return plan;
}

SkinPick PickSkin(const std::string& askedPath, const SkinReader& read,
                  const std::function<std::string()>& restoreBuiltin) {
  SkinPick pick;
  pick.skin = read(askedPath);
  pick.asked = pick.skin && !pick.skin->face.empty();
  if (pick.asked) return pick;
  const std::string builtin = restoreBuiltin();
  pick.skin = builtin.empty() ? std::nullopt : read(builtin);
  if (pick.skin && pick.skin->face.empty()) pick.skin.reset();
  return pick;
}

}  // namespace tikolvo
