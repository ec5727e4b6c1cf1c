#pragma once

#include <QString>

#include <optional>

class TTablaMemoria;

// A locality catalogue the user brings (the regulator's own keys), in the columns
// of the compiled-in one: IdLocalidad,IdEstado,Localidad,Clave. Checked line by
// line: whole numbers, a state of vtEstados, a name of 1 to 45 characters, a
// unique 8-digit key. UTF-8, or Windows' Latin letters when it is not UTF-8.
// On success vLocalidades holds the file's rows; otherwise it is left as it was
// and the Spanish message names the file and the line.
std::optional<QString> CargaCatalogoLocalidades(const QString& sRuta, const TTablaMemoria& vtEstados,
                                                TTablaMemoria& vLocalidades);
