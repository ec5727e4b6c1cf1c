#include "report/ui/ArchivosEnEspanol.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {

constexpr int CC_COLUMNA_FECHA = 3;  // QFileSystemModel's "Date Modified"

}  // namespace

QVariant TArchivosEnEspanol::data(const QModelIndex& Indice, int nRol) const
{
  const auto* pArchivos = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (nRol != Qt::DisplayRole || Indice.column() != CC_COLUMNA_FECHA || !pArchivos)
    return QIdentityProxyModel::data(Indice, nRol);
  return QLocale(QLocale::Spanish, QLocale::Mexico)
      .toString(pArchivos->lastModified(mapToSource(Indice)), QLocale::ShortFormat);
}
