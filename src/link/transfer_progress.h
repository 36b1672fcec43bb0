// The progress bar of a transfer: positions 0 to 100 pushed to the screen,
// each only when it changed.
//
// A transfer follows the share of bytes moved. One record or block of a series
// (a Progress with a count above 1) stands instead at index * 100 / count.
#ifndef TELVANE_LINK_TRANSFER_PROGRESS_H_
#define TELVANE_LINK_TRANSFER_PROGRESS_H_

#include <cstddef>

#include "base/screen.h"
#include "link/exchange.h"

namespace telvane {

class TransferProgress {
 public:
  // A transfer of `total` bytes; nothing is pushed before Show().
  TransferProgress(Screen& screen, size_t total) : screen_(screen), total_(total) {}
  // One record or block of `bytes` within a series: inert unless
  // `piece.shown`; sets the range, then stands at index * 100 / count for a
  // series, at 0 for a single record that follows its bytes.
  TransferProgress(Screen& screen, Progress piece, size_t bytes);
  ~TransferProgress() { Hide(); }
  TransferProgress(const TransferProgress&) = delete;
  TransferProgress& operator=(const TransferProgress&) = delete;

  // Range 0..100, position 0 unless one was set, bar visible; hidden again by
  // Hide() or at the end of this object.
  void Show();
  void Hide();
  // `bytes` more were moved.
  void Advance(size_t bytes = 1);
  // Starts counting the bytes again (a record received again) without
  // pushing a position.
  void Rewind() { done_ = 0; }
  // `done` of the total were moved.
  void Done(size_t done);
  // Moves the bar to 100 one position at a time (a reply shorter than the
  // longest one still fills the bar).
  void StepToEnd();

 private:
  void Set(int position);

  Screen& screen_;
  size_t total_;
  size_t done_ = 0;
  bool active_ = true;    // follows the bytes
  bool visible_ = false;  // shown by Show()
  bool started_ = false;  // Show() ran, or a piece's range was set
  int last_ = -1;
};

}  // namespace telvane

#endif  // TELVANE_LINK_TRANSFER_PROGRESS_H_
