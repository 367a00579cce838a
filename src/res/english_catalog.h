// The English catalog, compiled from po/en.po by msgfmt when the program is built and carried
// inside it (cmake/translations.cmake), so that it cannot go missing or belong to another build.
#pragma once

#include <cstddef>

extern const unsigned char kEnglishCatalog[];
extern const std::size_t kEnglishCatalogSize;
