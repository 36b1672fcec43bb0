// Tab 0 of every kind: the instrument's name and serial number.
#ifndef TELVANE_APP_INFO_PAGE_H_
#define TELVANE_APP_INFO_PAGE_H_

#include <string>

#include "page/instrument_page.h"

namespace telvane {

class InfoPage : public InstrumentPage {
 public:
  explicit InfoPage(PageContext& context);

  // The texts of the fields "Наименование" and "Серийный номер".
  const std::string& name() const { return name_; }
  const std::string& serial() const { return serial_; }

  void SetFields(std::string name, std::string serial);
  // Copies name and serial number from InstrumentInfo.
  void ShowInstrument();

 private:
  std::string name_;
  std::string serial_;
};

}  // namespace telvane

#endif  // TELVANE_APP_INFO_PAGE_H_
