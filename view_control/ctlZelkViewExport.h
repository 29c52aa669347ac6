#pragma once

#include <QtCore/qglobal.h>

#if defined(CTLZELKVIEW_LIBRARY)
#define CTLZELKVIEW_EXPORT Q_DECL_EXPORT
#else
#define CTLZELKVIEW_EXPORT Q_DECL_IMPORT
#endif
