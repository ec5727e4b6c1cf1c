#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class TLienzoPagina;

struct TPaginaDibujada {
  QString sImagen;  // picture name in the template, also the file name
  QSize pixeles;
  std::function<void(TLienzoPagina&)> Dibuja;
};

QList<TPaginaDibujada> PaginasDibujadas();
