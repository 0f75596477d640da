#include "document/PanelRows.h"

namespace tarlix {

Store<CategoryPanelState, kCategoryPanels> initialCategoryPanels() {
    Store<CategoryPanelState, kCategoryPanels> panels;
    for (int i = 1; i <= kCategoryPanels; ++i) panels[i] = {i != cpConnectedFigures, i, 0};
    return panels;
}

} // namespace tarlix
