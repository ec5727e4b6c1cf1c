#include "data/Catalogos.h"

#include <QFile>

#include <stdexcept>

// The catalogues live in a static library, so their resource must be pulled in
// by hand (outside any namespace, as the macro requires).
static bool RegistraRecursoCatalogos()
{
  Q_INIT_RESOURCE(catalogos);
  return true;
}

TTablaMemoria CargaCatalogo(const QString& sNombre)
{
  static const bool bRegistrado = RegistraRecursoCatalogos();
  Q_UNUSED(bRegistrado);
  const QString sRuta = QStringLiteral(":/catalogos/%1.csv").arg(sNombre);
  QFile archivo(sRuta);
  if (!archivo.open(QIODevice::ReadOnly))
    throw std::runtime_error(QStringLiteral("Falta el catálogo %1.").arg(sRuta).toStdString());
  const QStringList lineas = QString::fromUtf8(archivo.readAll()).split(u'\n', Qt::SkipEmptyParts);
  if (lineas.isEmpty())
    throw std::runtime_error(QStringLiteral("El catálogo %1 está vacío.").arg(sRuta).toStdString());

  QList<QStringList> filas;
  filas.reserve(lineas.size() - 1);
  for (qsizetype i = 1; i < lineas.size(); ++i) {
    QStringList valores = lineas[i].split(u',');
    for (QString& sValor : valores)
      if (sValor.isEmpty())
        sValor = QString();
    filas.append(std::move(valores));
  }
  try {
    return TTablaMemoria(lineas.first().split(u','), std::move(filas));
  } catch (const ETablaMemoria& e) {
    throw std::runtime_error(QStringLiteral("Catálogo %1: %2").arg(sRuta, e.Mensaje()).toStdString());
  }
}
