#include "Operaciones.h"

#include "TablasFijas.h"

#include <cmath>

namespace backoffice {

using mdbgen::TTipo;

namespace {

// Produces the operation lines in date order, one call per line.
class TFlujoOperaciones {
 public:
  TFlujoOperaciones(std::uint64_t nSemilla, qint64 nLineas, const TClientela& Clientela,
                    const TNumeracion& Numeracion)
      : F_azar(nSemilla), F_nLineas(nLineas), F_clientela(Clientela), F_numeracion(Numeracion)
  {
    QList<double> pesos;
    for (const TDivisa& divisa : Divisas()) {
      pesos.append(divisa.dPeso);
      F_logMontos.append({std::log(divisa.dMinimo), std::log(divisa.dMaximo)});
    }
    F_acumDivisas = Acumulados(pesos);
  }

  // Moves to the next line; false after the last one.
  bool Siguiente()
  {
    if (F_nEmitidas >= F_nLineas)
      return false;
    if (F_nPendientes == 0)
      NuevaOperacion();
    --F_nPendientes;
    if (F_bRepetir)  // the same line captured twice: summed by the survey
      F_bRepetir = false;
    else
      NuevaLinea();
    F_bBorrada = F_azar.Probabilidad(0.03);
    ++F_nEmitidas;
    return true;
  }

  bool EnMovtos() const { return F_bEnMovtos; }
  bool Borrada() const { return F_bBorrada; }
  std::vector<mdbgen::TValor> Valores() const
  {
    const bool bPropia = F_nEmpresa == CC_EMPRESA;
    return {Entero(bPropia ? F_numeracion.Empresa() : F_numeracion.OtraEmpresa()), Texto(F_sTipo),
            Entero(F_numeracion.Clave(F_nFolio)), Fecha(F_fecha, F_hora), Entero(F_nPartida),
            Entero(F_numeracion.Clave(F_pDivisa->nNumero)), F_dCotizacion, F_dCantidad,
            Entero(F_numeracion.Clave(F_nCliente)), Pesos(F_dCantidad * F_dCotizacion),
            F_bCancelado};
  }

 private:
  void NuevaOperacion()
  {
    const QDate inicio(CC_PRIMER_ANIO, 1, 1);
    const qint64 nDias = inicio.daysTo(QDate(CC_ULTIMO_ANIO, 12, 31)) + 1;
    F_fecha = inicio.addDays(F_nEmitidas * nDias / F_nLineas);
    // A few lines were captured without time of day.
    F_hora = F_azar.Probabilidad(0.01)
                 ? QTime(0, 0)
                 : QTime(9, 0).addSecs(static_cast<int>(F_azar.Entero(0, 10 * 3600 - 1)));
    F_nEmpresa = F_azar.Probabilidad(0.03) ? CC_OTRA_EMPRESA : CC_EMPRESA;
    F_nFolio = ++F_folios[F_nEmpresa == CC_EMPRESA ? 0 : 1];
    const double dTipo = F_azar.Real();
    F_sTipo = dTipo < 0.56 ? "C" : dTipo < 0.975 ? "V" : dTipo < 0.99 ? "T" : "D";
    F_bCancelado = F_azar.Probabilidad(0.03);
    F_nCliente = Cliente();
    const double dPartidas = F_azar.Real();
    F_nPendientes = dPartidas < 0.85 ? 1 : dPartidas < 0.97 ? 2 : 3;
    F_nPartida = 0;
    F_bEnMovtos = F_fecha.year() >= CC_ULTIMO_ANIO ||
                  (F_fecha.year() == CC_ULTIMO_ANIO - 1 && F_azar.Probabilidad(0.05));
  }

  qint64 Cliente()
  {
    const double dCliente = F_azar.Real();
    const bool bOtra = F_nEmpresa != CC_EMPRESA;
    const qint64 nPrimero = bOtra ? F_clientela.nClientes1 + 1 : 1;
    const qint64 nCuantos = bOtra ? F_clientela.nClientes2 : F_clientela.nClientes1;
    if (dCliente < 0.003)
      return 9000000 + F_azar.Entero(0, 999);  // a client record that no longer exists
    if (dCliente < 0.15)
      return nPrimero;  // walk-in public
    return nPrimero + F_azar.Entero(1, nCuantos - 1);
  }

  void NuevaLinea()
  {
    ++F_nPartida;
    const int nDivisa = F_azar.Ponderado(F_acumDivisas);
    F_pDivisa = &Divisas()[nDivisa];
    const double dMedia = F_pDivisa->aCotizacion[F_fecha.year() - CC_PRIMER_ANIO];
    const double dMargen = F_sTipo == "V" ? 1.015 : 0.985;
    F_dCotizacion = std::round(dMedia * dMargen * (0.99 + 0.02 * F_azar.Real()) * 10000.0) / 10000.0;
    // Log-uniform amounts; most whole, some with cents.
    const auto [dLogMin, dLogMax] = F_logMontos[nDivisa];
    const double dLog = dLogMin + F_azar.Real() * (dLogMax - dLogMin);
    F_dCantidad = std::round(std::exp(dLog));
    if (F_azar.Probabilidad(0.05))
      F_dCantidad += static_cast<double>(F_azar.Entero(1, 99)) / 100.0;
    F_bRepetir = F_nPendientes > 0 && F_azar.Probabilidad(0.01);
  }

  TAzar F_azar;
  qint64 F_nLineas;
  TClientela F_clientela;
  TNumeracion F_numeracion;
  QList<double> F_acumDivisas;
  QList<std::pair<double, double>> F_logMontos;  // log of the usual amounts, by currency
  qint64 F_nEmitidas = 0;
  qint64 F_folios[2] = {0, 0};
  // The operation being written
  int F_nPendientes = 0;
  QDate F_fecha;
  QTime F_hora;
  int F_nEmpresa = CC_EMPRESA;  // CC_OTRA_EMPRESA: the other company's operation
  qint64 F_nFolio = 0;
  QString F_sTipo;
  bool F_bCancelado = false;
  qint64 F_nCliente = 0;
  bool F_bEnMovtos = false;
  // The current line
  int F_nPartida = 0;
  const TDivisa* F_pDivisa = nullptr;
  double F_dCotizacion = 0;
  double F_dCantidad = 0;
  bool F_bRepetir = false;
  bool F_bBorrada = false;
};

}  // namespace

void EscribeOperaciones(TSalida& Salida, const QString& sTabla, std::uint64_t nSemilla,
                        qint64 nLineas, const TClientela& Clientela, const TNumeracion& Numeracion)
{
  if (!Salida.Escribe(sTabla))
    return;
  const bool bMovtos = sTabla == QLatin1String("tMovtos");
  Salida.IniciaTabla(sTabla, {{"NumEmp", TTipo::Long},
                              {"Tipo", TTipo::Text, 1},
                              {"Folio", TTipo::Long},
                              {"Fecha", TTipo::DateTime},
                              {"Partida", TTipo::Integer},
                              {"NumeroDivisa", TTipo::Long},
                              {"Cotizacion", TTipo::Double},
                              {"Cantidad", TTipo::Double},
                              {"ClaveCliente", TTipo::Long},
                              {"ImporteCaptura", TTipo::Currency},
                              {"Cancelado", TTipo::Boolean}});
  TFlujoOperaciones flujo(nSemilla, nLineas, Clientela, Numeracion);
  while (flujo.Siguiente())
    if (flujo.EnMovtos() == bMovtos)
      Salida.AgregaFila(flujo.Valores(), flujo.Borrada());
  Salida.TerminaTabla();
}

}  // namespace backoffice
