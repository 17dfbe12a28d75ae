// The vendor catalogues: maps from the exact text shown in a list to a driver page URL.
// The order in which a catalogue yields its entries (slot by slot, newest first within a
// slot) is the order of the list items, so the hash and the slot count are fixed.
#pragma once

#include <memory>
#include <string>

const int CatalogueSlotCount = 512;

struct CatalogueEntry {
    std::wstring key;
    std::wstring url;
    std::unique_ptr<CatalogueEntry> next;
};

struct Catalogue {
    std::unique_ptr<CatalogueEntry> slots[CatalogueSlotCount];
    // Traversal position: the current entry and its slot; slot -1 means before the first.
    CatalogueEntry* current = nullptr;
    int currentSlot = -1;
};

unsigned CatalogueHash(const std::wstring& key);
int CatalogueSlot(const std::wstring& key);

void ClearCatalogue(Catalogue& catalogue);
void SetUrl(Catalogue& catalogue, const std::wstring& key, const std::wstring& url);
// The URL of the entry whose key equals the text exactly, or nullptr.
const std::wstring* FindUrl(const Catalogue& catalogue, const std::wstring& key);
void ResetIteration(Catalogue& catalogue);
// The next entry in catalogue order, or nullptr at the end.
const CatalogueEntry* NextEntry(Catalogue& catalogue);

// The two program-wide catalogues, built once before the window exists.
extern Catalogue MainboardCatalogue;
extern Catalogue GraphicsCatalogue;
void BuildCatalogues();
