#include "solids/calcul.h"

#include "solids/catalogue.h"
#include "solids/numbertext.h"

#include <cmath>

namespace ostrel {

namespace {

const double kPi = 4.0 * std::atan(1.0);
constexpr double kG = 9.81;
constexpr double k03 = 3.0 / 10.0;
constexpr double k04 = 2.0 / 5.0;

// A caption beyond this magnitude is no result a part can have: the inputs overflowed.
constexpr double kLimite = 1e15;

double sq(double x) {
    return x * x;
}

// The four values of a run that got through its checks.
struct Valeurs {
    double m;
    double J = 0;
    double Tf = 0;
    double Tw = 0;
};

enum class Fin { Resultats, Arret, Efface, Message };

// Inputs of a run, read lazily in the order the kind's block asks for them.
class Saisie {
public:
    explicit Saisie(const CalcInputs& in) : in_(in) {}
    double mm(InputBox b) const { return nombre(b) / 1000.0; }
    double nombre(InputBox b) const { return LireNombre(in_.texts[std::size_t(b)]); }
    const QString& texte(InputBox b) const { return in_.texts[std::size_t(b)]; }

private:
    const CalcInputs& in_;
};

// Density-mode masses shared by several kinds. They return false when the run stops.
bool masseDisque(double rho, double D, double H, double& m) {
    if (H == 0) return false;
    m = ((rho * kPi) * H) * sq(D / 2);
    return true;
}

bool masseCouronne(double rho, double D, double d, double H, double& m) {
    if (H * d == 0) return false;
    m = (((rho * H) * kPi) * (sq(D) - sq(d))) / 4;
    return true;
}

void masseBille(double rho, double D, double& m) {
    m = (rho * (kPi / 6)) * std::pow(D, 3.0);
}

bool masseBloc(double rho, double D, double d, double H, double& m) {
    if (H == 0) return false;
    m = ((rho * H) * d) * D;
    return true;
}

void messageCone(CalcOutcome& out) {
    out.message = {{0, QStringLiteral("Ø ")}, {348, {}}, {0, QStringLiteral(" > Ø ")}, {349, {}}};
    out.icon = MessageIcon::Information;
    out.correctedBox = InputBox::Text7;
    out.correctedText = QString();
    out.correctedTakesFocus = true;
}

void messagePolygone(CalcOutcome& out) {
    out.message = {{350, {}}};
    out.icon = MessageIcon::Information;
    out.correctedBox = InputBox::Text5;
    out.correctedText = QStringLiteral("3");
    out.correctedTakesFocus = false;
}

// The text less its last character; a character written as a surrogate pair goes whole.
QString sansDernier(const QString& s) {
    qsizetype n = s.size();
    if (n == 0) return s;
    --n;
    if (n > 0 && s.at(n).isLowSurrogate() && s.at(n - 1).isHighSurrogate()) --n;
    return s.left(n);
}

void messageTore(CalcOutcome& out, const QString& texteD, const QString& texted) {
    const QString espace = QStringLiteral(" ");
    const QString ligne = QStringLiteral("\r\n");
    out.message = {{351, {}},  {0, espace}, {0, texteD}, {0, espace}, {352, {}},
                   {0, ligne}, {353, {}},   {0, espace}, {0, texted}, {0, ligne}};
    out.icon = MessageIcon::Exclamation;
    out.correctedBox = InputBox::Text6;
    out.correctedText = sansDernier(texteD);
    out.correctedTakesFocus = false;
}

// The block of one kind. v.m holds M on entry.
Fin calculeBloc(int code, bool densite, const Saisie& s, Valeurs& v, CalcOutcome& out) {
    using B = InputBox;
    const double rho = v.m;
    double& m = v.m;
    switch (code) {
    case 1: { // Plateau
        const double D = s.mm(B::Text6);
        if (D == 0) return Fin::Arret;
        const double H = s.mm(B::Text8);
        if (densite && !masseDisque(rho, D, H, m)) return Fin::Arret;
        v.J = (0.5 * m) * sq(D / 2);
        return Fin::Resultats;
    }
    case 2: { // Couronne
        const double D = s.mm(B::Text6);
        if (D == 0) return Fin::Arret;
        const double d = s.mm(B::Text7);
        const double H = s.mm(B::Text8);
        if (d >= D) return Fin::Efface;
        if (densite && !masseCouronne(rho, D, d, H, m)) return Fin::Arret;
        v.J = (m * (sq(D) + sq(d))) / 8;
        return Fin::Resultats;
    }
    case 3: { // CylHor
        const double D = s.mm(B::Text6);
        if (D == 0) return Fin::Arret;
        const double H = s.mm(B::Text8);
        if (densite && !masseDisque(rho, D, H, m)) return Fin::Arret;
        v.J = (m * (sq(H) / 3 + sq(D) / 4)) / 4;
        return Fin::Resultats;
    }
    case 4: { // TubeHor
        const double D = s.mm(B::Text6);
        if (D == 0) return Fin::Arret;
        const double d = s.mm(B::Text7);
        const double H = s.mm(B::Text8);
        if (d >= D) return Fin::Efface;
        if (densite && !masseCouronne(rho, D, d, H, m)) return Fin::Arret;
        v.J = (m * (sq(H) / 3 + (sq(D) + sq(d)) / 4)) / 4;
        return Fin::Resultats;
    }
    case 5: { // TroncCone
        const double D = s.mm(B::Text6);
        if (D == 0) return Fin::Arret;
        const double d = s.mm(B::Text7);
        const double H = s.mm(B::Text8);
        if (D <= d) {
            messageCone(out);
            return Fin::Message;
        }
        const double R = D / 2;
        const double r = d / 2;
        if (densite) {
            if (H == 0) return Fin::Arret;
            m = ((((rho * H) * kPi) / 3) * (std::pow(R, 3.0) - std::pow(r, 3.0))) / (R - r);
        }
        v.J = ((k03 * m) * (std::pow(R, 5.0) - std::pow(r, 5.0))) /
              (std::pow(R, 3.0) - std::pow(r, 3.0));
        return Fin::Resultats;
    }
    case 6: { // Bras
        const double D = s.mm(B::Text6);
        if (D == 0) return Fin::Arret;
        v.J = (m * sq(D)) / 3;
        return Fin::Resultats;
    }
    case 7: { // Rectangle
        const double D = s.mm(B::Text6);
        if (D == 0) return Fin::Arret;
        const double d = s.mm(B::Text7);
        const double H = s.mm(B::Text8);
        if (d == 0) return Fin::Arret;
        if (densite && !masseBloc(rho, D, d, H, m)) return Fin::Arret;
        v.J = (m * (sq(d) + sq(D))) / 12;
        return Fin::Resultats;
    }
    case 8: { // Polygone
        const double N = s.nombre(B::Text5);
        const double D = s.mm(B::Text6);
        const double H = s.mm(B::Text8);
        if (N * D == 0) return Fin::Arret;
        if (N < 3) {
            messagePolygone(out);
            return Fin::Message;
        }
        const double sn = std::sin(kPi / N);
        const double cs = std::cos(kPi / N);
        const double a = (2 * (D / 2)) * sn;
        double mt;
        if (densite) {
            mt = ((((rho * 0.5) * a) * (D / 2)) * cs) * H;
            if (H == 0) return Fin::Arret;
        } else {
            mt = m / N;
        }
        const double Jt = ((mt / 6) * (1 + 2 * sq(cs))) * sq(D / 2);
        m = N * mt;
        v.J = Jt * N;
        return Fin::Resultats;
    }
    case 9: { // Bille
        const double D = s.mm(B::Text6);
        if (D == 0) return Fin::Arret;
        if (densite) masseBille(rho, D, m);
        v.J = (k04 * m) * sq(D / 2);
        return Fin::Resultats;
    }
    case 10: { // CylVerExc
        const double R = s.mm(B::Text5);
        const double D = s.mm(B::Text6);
        if (D * R == 0) return Fin::Arret;
        const double H = s.mm(B::Text8);
        if (densite && !masseDisque(rho, D, H, m)) return Fin::Arret;
        v.J = (0.5 * m) * sq(D / 2) + m * sq(R);
        return Fin::Resultats;
    }
    case 11: { // TubeVerExc
        const double R = s.mm(B::Text5);
        const double D = s.mm(B::Text6);
        if (D * R == 0) return Fin::Arret;
        const double d = s.mm(B::Text7);
        const double H = s.mm(B::Text8);
        if (d >= D) return Fin::Efface;
        if (densite && !masseCouronne(rho, D, d, H, m)) return Fin::Arret;
        v.J = (m * (sq(D) + sq(d))) / 8 + m * sq(R);
        return Fin::Resultats;
    }
    case 12: { // CylHorExc
        const double R = s.mm(B::Text5);
        const double D = s.mm(B::Text6);
        if (D * R == 0) return Fin::Arret;
        const double H = s.mm(B::Text8);
        if (densite && !masseDisque(rho, D, H, m)) return Fin::Arret;
        v.J = (m * (sq(H) / 3 + sq(D) / 4)) / 4 + m * sq(R);
        return Fin::Resultats;
    }
    case 13: { // TubeHorExc
        const double R = s.mm(B::Text5);
        const double D = s.mm(B::Text6);
        if (D * R == 0) return Fin::Arret;
        const double d = s.mm(B::Text7);
        const double H = s.mm(B::Text8);
        if (d >= D) return Fin::Efface;
        if (densite && !masseCouronne(rho, D, d, H, m)) return Fin::Arret;
        v.J = (m * (sq(H) / 3 + (sq(D) + sq(d)) / 4)) / 4 + m * sq(R);
        return Fin::Resultats;
    }
    case 14: { // BilleExc
        const double R = s.mm(B::Text5);
        const double D = s.mm(B::Text6);
        if (D * R == 0) return Fin::Arret;
        if (densite) masseBille(rho, D, m);
        v.J = (k04 * m) * sq(D / 2) + m * sq(R);
        return Fin::Resultats;
    }
    case 15: { // RectExc
        const double R = s.mm(B::Text5);
        const double D = s.mm(B::Text6);
        const double d = s.mm(B::Text7);
        if (d * (D * R) == 0) return Fin::Arret;
        const double H = s.mm(B::Text8);
        if (densite && !masseBloc(rho, D, d, H, m)) return Fin::Arret;
        v.J = (m * (sq(d) + sq(D))) / 12 + m * sq(R);
        return Fin::Resultats;
    }
    case 16: { // MasseExc
        const double R = s.mm(B::Text5);
        if (R == 0) return Fin::Arret;
        v.J = m * sq(R);
        return Fin::Resultats;
    }
    case 17: // DiversIner
        v.J = s.nombre(B::Text5);
        v.Tf = s.nombre(B::Text6);
        v.Tw = s.nombre(B::Text7);
        return Fin::Resultats;
    case 18: { // Convoyeur
        const double D = s.mm(B::Text6);
        if (D == 0) return Fin::Arret;
        const double mr = s.nombre(B::Text7);
        const double f = s.nombre(B::Text8);
        v.J = (m * sq(D)) / 4 + (mr * sq(D)) / 8;
        v.Tf = (((m * kG) * f) * D) / 2;
        m = m + mr;
        return Fin::Resultats;
    }
    case 19: { // MasseDese
        const double R = s.mm(B::Text5);
        const double b = s.nombre(B::Text8);
        if (R * b < 0) return Fin::Arret;
        v.J = m * sq(R);
        v.Tw = (R * m) * kG;
        return Fin::Resultats;
    }
    case 20: { // Tore
        const double D = s.mm(B::Text6);
        const double d = s.mm(B::Text7);
        if (d * D == 0) return Fin::Arret;
        if (D < d) {
            messageTore(out, s.texte(B::Text6), s.texte(B::Text7));
            return Fin::Message;
        }
        if (densite) m = (((2 * rho) * sq(kPi)) * sq(d / 2)) * (D / 2);
        v.J = m * (sq(D / 2) + (3 * sq(d / 2)) / 4);
        return Fin::Resultats;
    }
    default: // no kind chosen: m stays M
        return Fin::Resultats;
    }
}

bool affichable(double x) {
    return std::isfinite(x) && std::fabs(x) < kLimite;
}

} // namespace

double Pi() {
    return 4.0 * std::atan(1.0);
}

CalcOutcome CalculeInertie(const CalcInputs& in) {
    CalcOutcome out;
    const Saisie s(in);
    const double Q = s.nombre(InputBox::Text1);
    const double k = s.nombre(InputBox::Text2);
    const double M = s.nombre(InputBox::Text3);
    if (!(Q * k > 0)) return out; // NoChange

    Valeurs v{M};
    switch (calculeBloc(in.code, !in.masseTotale, s, v, out)) {
    case Fin::Arret:
        return out;
    case Fin::Efface:
        out.kind = CalcOutcome::Kind::Cleared;
        return out;
    case Fin::Message:
        out.kind = CalcOutcome::Kind::Message;
        return out;
    case Fin::Resultats:
        break;
    }

    const double masse = Q * v.m;
    const double inertie = (Q * v.J) / sq(k);
    const double frottement = (Q * v.Tf) / k;
    const double travail = (Q * v.Tw) / k;
    // Inputs so large that a value overflows keep the results already shown.
    if (!affichable(masse) || !affichable(inertie) || !affichable(frottement) ||
        !affichable(travail))
        return out;

    constexpr QStringView masqueMasse = u"#####";
    constexpr QStringView masqueResultat = u"####.##";
    out.kind = CalcOutcome::Kind::Results;
    out.captions[0] = FormatMasque(masse, masqueMasse);
    out.captions[1] = FormatMasque(inertie, masqueResultat);
    out.captions[2] = FormatMasque(frottement, masqueResultat);
    out.captions[3] = FormatMasque(travail, masqueResultat);
    out.values = {masse + 0.0, inertie + 0.0, frottement + 0.0, travail + 0.0}; // no -0
    return out;
}

} // namespace ostrel
