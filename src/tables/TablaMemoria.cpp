#include "tables/TablaMemoria.h"

#include <QRegularExpression>

namespace {

// A whole number written in decimal, optionally signed; nullopt otherwise.
std::optional<qint64> EnteroDeTexto(const QString& sTexto)
{
  bool bOk = false;
  const qint64 nValor = sTexto.trimmed().toLongLong(&bOk, 10);
  if (!bOk)
    return std::nullopt;
  return nValor;
}

}  // namespace

ETablaMemoria::ETablaMemoria(const QString& sMensaje)
    : std::runtime_error(sMensaje.toStdString()), F_sMensaje(sMensaje)
{
}

TTablaMemoria::TTablaMemoria(QStringList columnas, QList<QStringList> filas)
    : F_columnas(std::move(columnas)), F_filas(std::move(filas))
{
  for (qsizetype i = 0; i < F_filas.size(); ++i)
    if (F_filas[i].size() != F_columnas.size())
      throw ETablaMemoria(QStringLiteral("La fila %1 tiene %2 valores y la tabla %3 columnas.")
                              .arg(i + 1)
                              .arg(F_filas[i].size())
                              .arg(F_columnas.size()));
}

void TTablaMemoria::Open()
{
  F_bActiva = true;
  CalculaVisibles();
}

void TTablaMemoria::Close()
{
  F_bActiva = false;
  F_visibles.clear();
}

bool TTablaMemoria::IsEmpty() const
{
  return RecordCount() == 0;
}

int TTablaMemoria::RecordCount() const
{
  VerificaActiva();
  return static_cast<int>(F_visibles.size());
}

void TTablaMemoria::First()
{
  VerificaActiva();
  F_nActual = 0;
}

void TTablaMemoria::Next()
{
  VerificaActiva();
  if (!Eof())
    ++F_nActual;
}

bool TTablaMemoria::Eof() const
{
  VerificaActiva();
  return F_nActual >= static_cast<int>(F_visibles.size());
}

QString TTablaMemoria::CampoTexto(const QString& sCampo) const
{
  const QString& sValor = Valor(sCampo);
  return sValor.isNull() ? QString("") : sValor;
}

int TTablaMemoria::CampoEntero(const QString& sCampo) const
{
  const QString& sValor = Valor(sCampo);
  bool bOk = false;
  const int nValor = sValor.trimmed().toInt(&bOk, 10);
  if (!bOk)
    throw ETablaMemoria(QStringLiteral("El valor \"%1\" de la columna %2 no es un número entero.")
                            .arg(sValor, F_columnas[IndiceColumna(sCampo)]));
  return nValor;
}

bool TTablaMemoria::EsNulo(const QString& sCampo) const
{
  return Valor(sCampo).isNull();
}

void TTablaMemoria::SetFilter(const QString& sExpresion)
{
  std::optional<TCondicion> condicion;
  if (!sExpresion.trimmed().isEmpty()) {
    static const QRegularExpression reCondicion(
        QStringLiteral("^\\s*([^\\s=]+)\\s*=\\s*([+-]?[0-9]+)\\s*$"));
    const QRegularExpressionMatch partes = reCondicion.match(sExpresion);
    const std::optional<qint64> nValor =
        partes.hasMatch() ? EnteroDeTexto(partes.captured(2)) : std::nullopt;
    if (!nValor)
      throw ETablaMemoria(QStringLiteral("Filtro no admitido: \"%1\". Se espera <columna> = <número entero>.")
                              .arg(sExpresion));
    condicion = TCondicion{IndiceColumna(partes.captured(1)), *nValor};
  }
  F_sFiltro = sExpresion;
  F_condicion = condicion;
  if (F_bActiva)
    CalculaVisibles();
}

void TTablaMemoria::SetFiltered(bool bFiltrado)
{
  F_bFiltrado = bFiltrado;
  if (F_bActiva)
    CalculaVisibles();
}

int TTablaMemoria::IndiceColumna(const QString& sCampo) const
{
  for (qsizetype i = 0; i < F_columnas.size(); ++i)
    if (F_columnas[i].compare(sCampo, Qt::CaseInsensitive) == 0)
      return static_cast<int>(i);
  throw ETablaMemoria(QStringLiteral("La tabla no tiene la columna \"%1\".").arg(sCampo));
}

const QString& TTablaMemoria::Valor(const QString& sCampo) const
{
  const int nColumna = IndiceColumna(sCampo);
  if (Eof())
    throw ETablaMemoria(QStringLiteral("No hay fila actual para leer la columna \"%1\".").arg(sCampo));
  return F_filas[F_visibles[F_nActual]][nColumna];
}

void TTablaMemoria::VerificaActiva() const
{
  if (!F_bActiva)
    throw ETablaMemoria(QStringLiteral("La tabla está cerrada."));
}

void TTablaMemoria::CalculaVisibles()
{
  F_visibles.clear();
  const bool bCondicion = F_bFiltrado && F_condicion;
  for (qsizetype i = 0; i < F_filas.size(); ++i) {
    if (bCondicion) {
      const std::optional<qint64> nValor = EnteroDeTexto(F_filas[i][F_condicion->nColumna]);
      if (!nValor || *nValor != F_condicion->nValor)
        continue;
    }
    F_visibles.push_back(static_cast<int>(i));
  }
  F_nActual = 0;
}
