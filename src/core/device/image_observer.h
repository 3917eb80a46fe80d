#pragma once

namespace orvane::device {

// A page's controller hears of every image the sessions show and of every
// write before it is collected, so no page can be left out of either.
class ImageObserver {
 public:
  virtual ~ImageObserver() = default;
  // DevImage was distributed into DataBuf (a read, a loaded file, the
  // no-device default): rebuild what the page shows from it (RefreshUI).
  virtual void ImageShown() = 0;
  // A write is about to seal and collect DataBuf: store what only the page
  // knows (UIToDataBuf, AIMKeyToDataBuf).
  virtual void BeforeWrite() = 0;
};

}  // namespace orvane::device
