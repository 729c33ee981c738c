#include "host/win32/page_tree.h"

#include "res/resource.h"

namespace kwhost {

HTREEITEM NextPage(HWND sheet, HTREEITEM page) {
    return TreeView_GetNextItem(GetDlgItem(sheet, IDC_PAGE_TREE), page,
                                page ? TVGN_NEXTVISIBLE : TVGN_ROOT);
}

std::string PageCaption(HWND sheet, HTREEITEM page) {
    char text[256] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = page;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(GetDlgItem(sheet, IDC_PAGE_TREE), TVM_GETITEMA, 0,
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

} // namespace kwhost
