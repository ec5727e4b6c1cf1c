#pragma once

#include "tables/TablaMemoria.h"

#include <QString>

// Reads one catalogue carried inside the program (":/catalogos/<name>.csv":
// UTF-8, a header line with the column names, one row a line, no quoting).
// An empty field is Null; no catalogue holds an empty text.
// A missing or malformed file is a build fault: std::runtime_error.
TTablaMemoria CargaCatalogo(const QString& sNombre);
