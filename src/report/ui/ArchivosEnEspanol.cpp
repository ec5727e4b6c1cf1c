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
  static const QLocale Mexico(QLocale::Spanish, QLocale::Mexico);  // asked for at every cell drawn
  return Mexico.toString(pArchivos->lastModified(mapToSource(Indice)), QLocale::ShortFormat);
}
