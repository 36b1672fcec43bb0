#include "link/transfer_progress.h"

#include <algorithm>

namespace telvane {

TransferProgress::TransferProgress(Screen& screen, Progress piece, size_t bytes)
    : screen_(screen), total_(bytes) {
  active_ = piece.shown && piece.count <= 1;
  if (!piece.shown) return;
  screen_.SetProgressRange(0, 100);
  started_ = true;
  Set(piece.count > 1 ? static_cast<int>(piece.index * 100 / piece.count) : 0);
}

void TransferProgress::Show() {
  screen_.SetProgressRange(0, 100);
  if (last_ < 0) Set(0);
  screen_.ShowProgress(true);
  visible_ = true;
  started_ = true;
}

void TransferProgress::Hide() {
  if (visible_) screen_.ShowProgress(false);
  visible_ = false;
}

void TransferProgress::Advance(size_t bytes) { Done(done_ + bytes); }

void TransferProgress::Done(size_t done) {
  done_ = done;
  if (!started_ || !active_) return;
  Set(total_ == 0 ? 100 : static_cast<int>(std::min(done_, total_) * 100 / total_));
}

void TransferProgress::StepToEnd() {
  for (int position = std::max(last_, 0) + 1; position <= 100; ++position) Set(position);
}

void TransferProgress::Set(int position) {
  if (position == last_) return;
  last_ = position;
  screen_.SetProgress(position);
}

}  // namespace telvane
