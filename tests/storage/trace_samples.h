// Hand-made reflectograms and cable blocks shared by the trace file tests.
#ifndef TELVANE_TESTS_STORAGE_TRACE_SAMPLES_H_
#define TELVANE_TESTS_STORAGE_TRACE_SAMPLES_H_

#include <cstdint>
#include <vector>

#include "storage/trace/cable_block.h"
#include "storage/trace/reflectogram_record.h"

namespace telvane::testing {

// "КАБЕЛЬ 1", 09.12.2026, TDRimp 3, TDRoffset 7, TDRdiap 1000, TDRrast 4,
// TDRmiddl 16, TDRdB 50, cursors -5 and 300, virtual 1 / -2, active cursor 1,
// window 10..200; sample i = i % 64 for every sample the form holds.
ReflectogramRecord SampleRecord(RecordForm form);
// value0 0x1234, 2 sections: {type 3, 1500 m, 100 points, 0.5, k 1.5} and
// {type 7, 250 m, 16 points, 0.25, 2.0}; extended: 50 pairs, 18.5 °C, charge
// time 9, and the extra bytes of section 0 set to 0xA1..0xA4.
CableBlock SampleBlock(RecordForm form);

// The little-endian bytes of a value.
std::vector<uint8_t> Le16(uint16_t v);
std::vector<uint8_t> Le32(uint32_t v);
std::vector<uint8_t> LeFloat(float v);

}  // namespace telvane::testing

#endif  // TELVANE_TESTS_STORAGE_TRACE_SAMPLES_H_
