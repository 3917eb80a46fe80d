#include "ui/app/rolling_caption_view.h"

#include "ui/app/skin_label.h"

namespace orvane::ui {

RollingCaptionView::RollingCaptionView(std::function<bool()> enabled)
    : enabled_(std::move(enabled)) {
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (label_ != nullptr) label_->setText(QString::fromStdString(rolling_.Tick()));
  });
}

void RollingCaptionView::Attach(SkinLabel* label) {
  connect(label, &SkinLabel::entered, this, [this, label] {
    if (!enabled_() || !label->isEnabled()) return;
    label_ = label;
    rolling_.Start(label->text().toStdString());
    timer_.start(200);
  });
  connect(label, &SkinLabel::left, this, [this, label] {
    if (label_ != label) return;
    timer_.stop();
    label->setText(QString::fromStdString(rolling_.Saved()));
    label_ = nullptr;
  });
}

}  // namespace orvane::ui
