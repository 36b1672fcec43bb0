// The older cable instrument that answers "Is it QVR?" at 19200 baud with its
// planned measurements as text.
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>

#include "instruments.h"

namespace sim {
namespace {

constexpr char kQuery[] = "Is it QVR?";
constexpr char kHeader[] = "QVR 00009.31";
constexpr char kTrailer[] = "#close#";
constexpr size_t kMaxReply = 139119;

// One record: "Y", one skipped character, two comma-terminated integers, six
// ';'-terminated fields, "X". Every fourth record shows a value marker.
std::string Record(int i) {
  const int cable = 1 + i / 10;
  const int pair = 1 + i % 10;
  char text[256];
  if (i % 4 == 3) {
    std::snprintf(text, sizeof text, "Y %d,%d,NOT_MEAS;>2000,;NaN;>30000,Mm,;NaN;%d.5,Km,;X\r\n",
                  cable, pair, 400 + i);
  } else {
    std::snprintf(text, sizeof text, "Y %d,%d,%d.%d,;%d.25,;%d,;%d.5,Mm,;%d,Km,;%d,Mm,;X\r\n",
                  cable, pair, 40 + i, i % 10, 41 + i, 42 + i, 10 + i, 2000 + i, 3 + i % 5);
  }
  return text;
}

}  // namespace

std::vector<uint8_t> TextReply(const Config& config) {
  std::string body = "\r\n";
  for (int i = 0; i < config.text_records; ++i) body += Record(i);
  std::string reply = std::string(kHeader) + body;
  const std::string trailer = config.faults.no_trailer ? "" : kTrailer;
  if (config.text_size > reply.size() + trailer.size()) {
    // Padding between the records and the trailer: text the parser skips.
    reply.append(config.text_size - reply.size() - trailer.size(), ' ');
  }
  reply += trailer;
  return std::vector<uint8_t>(reply.begin(), reply.end());
}

void ServeText(Channel& channel, const Config& config) {
  std::deque<uint8_t> window;
  const size_t query_length = std::strlen(kQuery);
  while (!g_stop) {
    uint8_t b = 0;
    const Got got = channel.ReadByte(b, -1);
    if (got == Got::kClosed) return;
    if (got != Got::kByte) continue;
    if (config.faults.echo) {
      channel.Write(std::span<const uint8_t>(&b, 1));
      continue;
    }
    window.push_back(b);
    if (window.size() > query_length) window.pop_front();
    if (config.faults.silent || window.size() != query_length ||
        !std::equal(window.begin(), window.end(), kQuery)) {
      continue;
    }
    window.clear();
    const std::vector<uint8_t> query(kQuery, kQuery + query_length);
    channel.Trace("<-", query);
    const std::vector<uint8_t> reply = TextReply(config);
    channel.Trace("->", reply);
    channel.Write(reply);
  }
}

static_assert(sizeof kHeader - 1 == 12 && kMaxReply > 0);

}  // namespace sim
