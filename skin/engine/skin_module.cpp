#include "skin_module.h"

SkinModuleState& SkinModule()
{
    static SkinModuleState state;
    return state;
}

WindowRecord* RecordAt(int index)
{
    auto& table = SkinModule().windowTable;
    if (index < 1 || index > static_cast<int>(table.size()))
        return nullptr;
    return table[static_cast<size_t>(index - 1)].get();
}

int RecordCount() { return static_cast<int>(SkinModule().windowTable.size()); }

void FreeSkinModule()
{
    SkinModuleState& state = SkinModule();
    state.windowTable.clear();
    for (const MemoryDCEntry& entry : state.memoryDCList) {
        if (entry.previous)
            SelectObject(entry.dc, entry.previous);
        DeleteObject(entry.bitmap);
        DeleteDC(entry.dc);
    }
    state.memoryDCList.clear();
    state.backgroundPicture.clear();
    state.backgroundPicture.shrink_to_fit();
}
