#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "survey/LocalidadesOperadas.h"
#include "survey/RepEncGAFI2016.h"

class TdmMain;

// --catalogo: sRuta's localities replace the compiled-in ones (nothing when sRuta is
// empty); the message names the line that is wrong.
std::optional<QString> CambiaCatalogo(TdmMain& dmMain, const QString& sRuta);

// A locality of the catalogue the program works with, by its key.
struct TLugarCatalogo {
  QString sEstado;
  QString sLocalidad;
};
std::optional<TLugarCatalogo> BuscaEnCatalogo(const TdmMain& dmMain, const QString& sClave);

// The chosen localities as the window would hold them; every key must be in the catalogue.
TLocalidades LocalidadesDeClaves(const TdmMain& dmMain, const QStringList& Claves);

// One line per key: key, operations, the catalogue's state and locality (or
// "no está en el catálogo") and the back office's city names.
QStringList LineasLocalidades(const TdmMain& dmMain, const QList<TLocalidadOperada>& Localidades);
