#include "app/AvisoCarga.h"

#include "ado/ConexionADO.h"

// Passes every call on and remembers the last text meant to stay on the line.
class TAvisoCarga::TMensajeroRecuerda : public IMensajero {
 public:
  explicit TMensajeroRecuerda(std::shared_ptr<IMensajero> Destino) : F_Destino(std::move(Destino)) {}
  void MsjEnTx(const QString& sTexto) override
  {
    sUltimo = sTexto;
    F_Destino->MsjEnTx(sTexto);
  }
  void MsjTxTemp(const QString& sTexto) override { F_Destino->MsjTxTemp(sTexto); }
  void MsjTxEspera(const QString& sTexto, bool bTLargo) override
  {
    sUltimo = sTexto;
    F_Destino->MsjTxEspera(sTexto, bTLargo);
  }
  void CampoObligatorio(QLabel* txLabel, QWidget* edEdit) override
  {
    F_Destino->CampoObligatorio(txLabel, edEdit);
  }
  void SetLabel(QLabel* txLabel) override { F_Destino->SetLabel(txLabel); }

  IMensajero& Destino() { return *F_Destino; }
  QString sUltimo;

 private:
  std::shared_ptr<IMensajero> F_Destino;
};

TAvisoCarga::TAvisoCarga(std::shared_ptr<ado::TConexionADO> Conector,
                         std::shared_ptr<IMensajero> Mensajero)
    : F_Conector(std::move(Conector)),
      F_Mensajero(std::make_shared<TMensajeroRecuerda>(std::move(Mensajero)))
{
  F_Conector->SetProgresoCarga(
      [Recuerda = F_Mensajero.get(), nUltimo = -1, sUltima = QString()](
          const QString& sTabla, qint64 nFilas, qint64 nTotal) mutable {
        const int nPorciento = nTotal > 0 ? int(nFilas * 100 / nTotal) : 100;
        if (sTabla == sUltima && nPorciento == nUltimo)
          return;
        sUltima = sTabla;
        nUltimo = nPorciento;
        Recuerda->Destino().MsjEnTx(
            QStringLiteral("Cargando la tabla %1 de la BD: %2%").arg(sTabla).arg(nPorciento));
        if (nPorciento >= 100 && !Recuerda->sUltimo.isEmpty())
          Recuerda->Destino().MsjEnTx(Recuerda->sUltimo);
      });
}

TAvisoCarga::~TAvisoCarga() { F_Conector->SetProgresoCarga(nullptr); }

std::shared_ptr<IMensajero> TAvisoCarga::Mensajero() const { return F_Mensajero; }
