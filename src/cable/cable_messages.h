// What the cable meters' serial transfers show for each frame fault: one set
// of tables per family of transfers (the full family and the cable types, the
// compact family, the full family's reflectograms), one table per step.
#ifndef TELVANE_CABLE_CABLE_MESSAGES_H_
#define TELVANE_CABLE_CABLE_MESSAGES_H_

#include "link/frame_messages.h"

namespace telvane {

struct CableFamilyTexts {
  FrameTexts command;      // the command frame and its confirmation
  FrameTexts index;        // a record index sent after the command
  FrameTexts send_record;  // a numbered record sent, and its confirmation
  FrameTexts record;       // a cable or planned-measurement record received
  FrameTexts type_record;  // a cable type (or the type status) received
  FrameTexts date_record;  // the date before the planned measurements
};

// The full family and the cable-type transfers.
extern const CableFamilyTexts kFullFamilyTexts;
// The compact family.
extern const CableFamilyTexts kCompactTexts;
// The full family's reflectogram transfer.
extern const CableFamilyTexts kReflectogramTexts;

}  // namespace telvane

#endif  // TELVANE_CABLE_CABLE_MESSAGES_H_
