#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

#include "app/ControlesPrincipal.h"
#include "survey/RepEncGAFI2016.h"

class IDialogos;
class QMessageBox;
class IMensajero;
class TdmMain;
class TSelectorLocalidades;

// The main window: credentials, exchange rate, risk localities, the status line
// and the "Generar reporte" button.
class TfrmPrincipal : public QWidget {
  Q_OBJECT

 public:
  // sCarpetaTolvex: the Tolvex root the report road reads; Sucursales: the roots of
  // the branches its report consolidates (the title says so). Without Dialogos the
  // window shows its own message boxes; either way they become the current ones.
  TfrmPrincipal(TdmMain& dmMain, QString sCarpetaTolvex,
                std::shared_ptr<IDialogos> Dialogos = nullptr, QStringList Sucursales = {});
  ~TfrmPrincipal() override;

  // The chosen localities, shared with the survey of a run.
  const TLocalidades& ListaLocs() const { return _ListaLocs; }

 protected:
  void closeEvent(QCloseEvent* Evento) override;
  bool event(QEvent* Evento) override;

 private:
  void IniForma();
  void InstalaTeclas();
  void bnGenReporteClick();
  bool CamposVacios();
  void GeneraReporte();
  bool Confirma(const QList<THallazgo>& Hallazgos);
  void QuitaAvisoCierre();

  TdmMain& F_dmMain;
  QString F_sCarpetaTolvex;
  QStringList F_Sucursales;
  std::shared_ptr<IDialogos> F_Dialogos;
  TControlesPrincipal c;
  std::shared_ptr<IMensajero> _MensajeroForm;
  TLocalidades _ListaLocs;
  std::unique_ptr<TSelectorLocalidades> F_Selector;
  QObject* F_SalidaEstado = nullptr;  // runs cbEstadoExit when the focus leaves cbEstado
  bool F_bEnCurso = false;  // a click on "Generar reporte" is being handled
  QPointer<QMessageBox> F_AvisoCierre;  // why a close during a run was refused
};
