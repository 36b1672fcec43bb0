#include "testers/files/file_pages_view.h"

#include "testers/files/database_service_page_view.h"
#include "testers/files/file_browser_page_view.h"
#include "testers/files/folder_files_page_view.h"
#include "testers/files/masks_page_view.h"

namespace telvane {

ViewList FilePageViews() {
  return {{PageId::kDbInfo18, ViewOf<DatabaseServicePage, DatabaseServicePageView>},
          {PageId::kFiles18, ViewOf<FileBrowserPage, FileBrowserPageView>},
          {PageId::kMasks18, ViewOf<MasksPage, MasksPageView>},
          {PageId::kMeasurementFiles17, ViewOf<FolderFilesPage, FolderFilesPageView>}};
}

}  // namespace telvane
