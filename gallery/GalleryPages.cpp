// The gallery's page table. A new page is one source file defining its class and factory, plus its
// declaration and its line below.
#include "GalleryPage.h"

std::unique_ptr<GalleryPage> CreateAboutPage();
std::unique_ptr<GalleryPage> CreateEditsPage();
std::unique_ptr<GalleryPage> CreatePropTreePage();

namespace {

const GalleryPageFactory s_pages[] = {
    &CreateAboutPage,
    &CreateEditsPage,
    &CreatePropTreePage,
};

}  // namespace

const GalleryPageFactory* GalleryPageFactories(size_t* count)
{
    *count = sizeof(s_pages) / sizeof(s_pages[0]);
    return s_pages;
}
