#include "catalogue/Catalogue.h"

unsigned CatalogueHash(const std::wstring& key)
{
    // 65599 (0x1003F) multiplier over UTF-16 code units, wrapping at 32 bits.
    unsigned hash = 0;
    for (wchar_t unit : key)
        hash = hash * 65599u + static_cast<unsigned>(static_cast<unsigned short>(unit));
    return hash;
}

int CatalogueSlot(const std::wstring& key)
{
    return static_cast<int>(CatalogueHash(key) % CatalogueSlotCount);
}

void ClearCatalogue(Catalogue& catalogue)
{
    for (std::unique_ptr<CatalogueEntry>& head : catalogue.slots) {
        // Unlink the chain one entry at a time so a long chain never recurses deeply.
        while (head)
            head = std::move(head->next);
    }
    ResetIteration(catalogue);
}

static CatalogueEntry* FindEntry(const Catalogue& catalogue, const std::wstring& key)
{
    for (CatalogueEntry* entry = catalogue.slots[CatalogueSlot(key)].get(); entry; entry = entry->next.get()) {
        if (entry->key == key)
            return entry;
    }
    return nullptr;
}

void SetUrl(Catalogue& catalogue, const std::wstring& key, const std::wstring& url)
{
    CatalogueEntry* entry = FindEntry(catalogue, key);
    if (!entry) {
        // A new entry goes to the head of its chain: newest first.
        std::unique_ptr<CatalogueEntry>& head = catalogue.slots[CatalogueSlot(key)];
        std::unique_ptr<CatalogueEntry> added(new CatalogueEntry);
        added->key = key;
        added->next = std::move(head);
        head = std::move(added);
        entry = head.get();
    }
    entry->url = url;
}

const std::wstring* FindUrl(const Catalogue& catalogue, const std::wstring& key)
{
    const CatalogueEntry* entry = FindEntry(catalogue, key);
    return entry ? &entry->url : nullptr;
}

void ResetIteration(Catalogue& catalogue)
{
    catalogue.current = nullptr;
    catalogue.currentSlot = -1;
}

const CatalogueEntry* NextEntry(Catalogue& catalogue)
{
    if (catalogue.current && catalogue.current->next) {
        catalogue.current = catalogue.current->next.get();
        return catalogue.current;
    }
    // The chain is exhausted or the walk has not begun (slot -1): scan the later slots.
    // An ended walk keeps its slot past the last one, so it stays ended.
    catalogue.current = nullptr;
    for (int slot = catalogue.currentSlot + 1; slot < CatalogueSlotCount; ++slot) {
        if (catalogue.slots[slot]) {
            catalogue.current = catalogue.slots[slot].get();
            catalogue.currentSlot = slot;
            return catalogue.current;
        }
    }
    catalogue.currentSlot = CatalogueSlotCount;
    return nullptr;
}
