// The pages of the instruments with a file system, for the testers' list.
#ifndef TELVANE_TESTERS_FILES_FILE_PAGES_H_
#define TELVANE_TESTERS_FILES_FILE_PAGES_H_

#include "page/page_list.h"

namespace telvane {

PageList FilePages();

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FILE_PAGES_H_
