#include "KelmoResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static bool RegisterKelmoResources()
{
    Q_INIT_RESOURCE(kelmo);
    return true;
}

void InitKelmoResources()
{
    static const bool registered = RegisterKelmoResources();
    (void)registered;
}
