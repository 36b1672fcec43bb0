// Every page of the main window, one controller object each. Pages shared by
// several kinds have one id (the planned-measurement page of kinds 4 and 7, the
// pages of the 435-byte family of kinds 11, 12 and 16, the worksheet page of
// kinds 13 and 14).
#ifndef TELVANE_PAGE_PAGE_ID_H_
#define TELVANE_PAGE_PAGE_ID_H_

namespace telvane {

enum class PageId {
  kInstrumentInfo,  // tab 0 of every kind
  // kind 2
  kCableTypeBase2,
  // kinds 4 and 7
  kPlannedBase47,
  // kind 6
  kDbCounters6,
  kCableNames6,
  kCableParams6,
  kPlanned6,
  kReflectograms6,
  // kind 7
  kCompactCables7,
  // kind 8
  kWear8,
  // kind 9
  kDbCounters9,
  kCableList9,
  kPlanned9,
  // kind 10
  kDbInfo10,
  kCables10,
  kReflectograms10,
  // kinds 11, 12 and 16
  kDbInfo11,
  kCables11,
  kReflectograms11,
  kPlanned11,
  kCableTypes11,
  kXdsl11,
  // kinds 13 and 14
  kSheets13,
  kSheetsReceive13,
  // kind 14
  kDbInfo14,
  kCableTypes14,
  kCables14,
  kPlanned14,
  // kind 17
  kDbInfo17,
  kFrequencyMeasurements17,
  kFrequencyList17,
  kReflectograms17,
  kMeasurementFiles17,
  // kind 18
  kDbInfo18,
  kFiles18,
  kMasks18,
  // kinds 19 and 20
  kFiles19,
  kFiles20,
  // kind 255
  kTextPlanned,
  kCount
};

inline constexpr int kPageCount = static_cast<int>(PageId::kCount);

}  // namespace telvane

#endif  // TELVANE_PAGE_PAGE_ID_H_
