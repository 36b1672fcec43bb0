// Wire bytes of xDSL list entries and logs, laid out field by field from the
// tables of the record layouts (most significant byte first), for the tests.
#ifndef TELVANE_TESTS_TESTERS_XDSL_XDSL_SAMPLES_H_
#define TELVANE_TESTS_TESTERS_XDSL_XDSL_SAMPLES_H_

#include <cstdint>
#include <string>
#include <vector>

namespace telvane::testing {

// The sample summary: Down 12.5, 30.3, 18.0, 8000, 7616; Up 6.7, 15.5, -2.4,
// 1024, 1000.
inline constexpr float kSampleDown[5] = {12.5f, 30.3f, 18.0f, 8000.0f, 7616.0f};
inline constexpr float kSampleUp[5] = {6.7f, 15.5f, -2.4f, 1024.0f, 1000.0f};

// One entry of `band` ('A' … 'E') named `name` (CP1251 bytes), mode byte 2 in
// band A, mode text "G.DMT" otherwise, date 07.03.26, 480 carriers and the
// connection time "01:02:03" in band E.
std::vector<uint8_t> SampleEntry(char band, const std::string& name_cp1251);

// The noise byte of bin i: 200, 160, 40 for bins 0, 1, 2, then (i * 7) % 256.
uint8_t SampleNoiseByte(int bin);
inline uint8_t SampleSnr(int bin) { return static_cast<uint8_t>(bin % 60); }
inline uint8_t SampleBits(int bin) { return static_cast<uint8_t>(bin % 16); }
// The counter at `offset` of a log of `size` bytes: (offset - 1536) / 4 + 1,
// except: 1616 of a 1680-byte log is 90061 (the total time); 1536 of a
// 1648-byte log is 0 (CRCFrm Down); 1564 is NaN in both.
float SampleCounter(size_t size, size_t offset);
// A full log of `size` bytes (1536, 1648, 1680) with the sample values.
std::vector<uint8_t> SampleLog(size_t size);

void PutBeFloat(float value, uint8_t* out);

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_TESTERS_XDSL_XDSL_SAMPLES_H_
