#include "testers/files/file_pages.h"

#include <memory>

#include "testers/files/database_service_page.h"
#include "testers/files/file_browser_page.h"
#include "testers/files/folder_files_page.h"
#include "testers/files/masks_page.h"

namespace telvane {

PageList FilePages() {
  // The browser and the masks page of one window share the current folder.
  auto folder = std::make_shared<RemoteFolder>();
  PageList pages;
  pages.push_back({PageId::kDbInfo18, [](PageContext& context) -> std::unique_ptr<InstrumentPage> {
                     return std::make_unique<DatabaseServicePage>(context, PageId::kDbInfo18);
                   }});
  pages.push_back(PageRow<FileBrowserPage>(PageId::kFiles18, PageId::kFiles18, folder));
  pages.push_back(PageRow<MasksPage>(PageId::kMasks18, PageId::kMasks18, folder));
  pages.push_back(
      {PageId::kMeasurementFiles17, [](PageContext& context) -> std::unique_ptr<InstrumentPage> {
         return std::make_unique<FolderFilesPage>(context, PageId::kMeasurementFiles17);
       }});
  return pages;
}

}  // namespace telvane
