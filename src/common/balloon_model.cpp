#include "common/balloon_model.h"

#include "common/balloon_countdown.h"

namespace tikolvo {

BalloonModel::BalloonModel(const BalloonRequest& request,
                           const std::function<std::optional<std::string>(int)>& nameOf)
    : title_(request.title),
      duration_(request.duration),
      iconNumber_(request.iconNumber >= 0 && request.iconNumber < kBalloonIconNumbers ? request.iconNumber : 0) {
  if (request.targetTaskId < 0) {
    text_ = request.text;
    return;
  }
  countdown_ = true;
  targetTaskId_ = request.targetTaskId;
  std::optional<std::string> name = nameOf ? nameOf(targetTaskId_) : std::nullopt;
  // A missing target counts down under an empty name and starts nothing.
  startsTask_ = name.has_value() && !request.testMode;
  taskName_ = name.value_or(std::string());
  // Shown at once what the first tick would write, so the first 100 ms do
  // not flash a count of zero.
  text_ = CountdownSentence(BalloonTimeLeft(duration_, 1), taskName_);
}

std::string BalloonModel::LayoutText() const { return countdown_ ? text_ + "  " : text_; }

std::string BalloonModel::CountdownText() const {
  return CountdownSentence(BalloonTimeLeft(duration_, ticks_), taskName_);
}

BalloonTick BalloonModel::Tick() {
  BalloonTick tick;
  if (closed_ || duration_ == kBalloonStaysOpen) return tick;
  ++ticks_;
  if (countdown_) {
    std::string text = CountdownText();
    tick.textChanged = text != text_;
    text_ = std::move(text);
  }
  if (ticks_ > duration_) {
    if (countdown_ && startsTask_) tick.startTask = targetTaskId_;
    countdown_ = false;
    closed_ = true;
    tick.close = true;
  }
  return tick;
}

}  // namespace tikolvo
