#pragma once

#include <QIdentityProxyModel>

// The file list of our save dialog with its dates as a Mexican user reads them: Qt
// writes them in the system's locale, English ("11 Dec") on a system set to none.
class TArchivosEnEspanol : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& Indice, int nRol = Qt::DisplayRole) const override;
};
