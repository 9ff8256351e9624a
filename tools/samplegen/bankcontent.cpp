#include "bankcontent.h"

namespace samplegen {

const QString& Tri::in(Language language) const {
  switch (language) {
    case Language::Polish:
      return pl;
    case Language::German:
      return de;
    case Language::English:
      break;
  }
  return en;
}

Tri T(const char* en, const char* pl, const char* de) {
  return Tri{QString::fromUtf8(en), QString::fromUtf8(pl), QString::fromUtf8(de)};
}

namespace {

QuestionTemplate Q(unsigned categories, Tri question, QVector<Tri> correct, QVector<Tri> wrong,
                   Tri note) {
  return QuestionTemplate{categories, std::move(question), std::move(correct), std::move(wrong),
                          std::move(note)};
}

// Polish nouns after a number take one of three forms.
QString polishMetres(int n) {
  if (n == 1)
    return QStringLiteral("metr");
  const int last = n % 10;
  const int lastTwo = n % 100;
  if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
    return QStringLiteral("metry");
  return QStringLiteral("metrów");
}

Tri metres(int n) {
  return Tri{QStringLiteral("%1 metres").arg(n),
             QStringLiteral("%1 %2").arg(n).arg(polishMetres(n)),
             QStringLiteral("%1 Meter").arg(n)};
}

Tri mph(int n) {
  return Tri{QStringLiteral("%1 mph").arg(n), QStringLiteral("%1 mil/h").arg(n),
             QStringLiteral("%1 mph").arg(n)};
}

Tri arg(const Tri& pattern, const Tri& value) {
  return Tri{pattern.en.arg(value.en), pattern.pl.arg(value.pl), pattern.de.arg(value.de)};
}

// Typical stopping distances from the Highway Code table, in metres.
struct StoppingRow {
  int speed;
  int thinking;
  int braking;
};
constexpr StoppingRow kStopping[] = {{20, 6, 6},   {30, 9, 14},  {40, 12, 24},
                                     {50, 15, 38}, {60, 18, 55}, {70, 21, 75}};

void addStoppingDistances(QVector<QuestionTemplate>& list) {
  for (const StoppingRow& row : kStopping) {
    const int total = row.thinking + row.braking;
    QVector<Tri> wrongTotal;
    QVector<Tri> wrongThinking;
    for (const StoppingRow& other : kStopping) {
      if (other.speed == row.speed)
        continue;
      wrongTotal << metres(other.thinking + other.braking);
      wrongThinking << metres(other.thinking);
    }
    const Tri note{
        QStringLiteral("At %1 mph the typical stopping distance is %2 metres: %3 metres thinking "
                       "distance plus %4 metres braking distance. It is longer for large "
                       "vehicles and on wet or icy roads.")
            .arg(row.speed)
            .arg(total)
            .arg(row.thinking)
            .arg(row.braking),
        QStringLiteral("Przy %1 mil/h typowa droga zatrzymania wynosi %2 m: %3 m drogi reakcji "
                       "i %4 m drogi hamowania. Dla dużych pojazdów oraz na mokrej lub "
                       "oblodzonej nawierzchni jest dłuższa.")
            .arg(row.speed)
            .arg(total)
            .arg(row.thinking)
            .arg(row.braking),
        QStringLiteral("Bei %1 mph beträgt der typische Anhalteweg %2 m: %3 m Reaktionsweg und "
                       "%4 m Bremsweg. Bei großen Fahrzeugen und auf nasser oder glatter "
                       "Fahrbahn ist er länger.")
            .arg(row.speed)
            .arg(total)
            .arg(row.thinking)
            .arg(row.braking)};
    list << Q(kAllCategories,
              arg(T("What is the shortest overall stopping distance at %1 on a dry road?",
                    "Jaka jest najkrótsza całkowita droga zatrzymania przy prędkości %1 na "
                    "suchej nawierzchni?",
                    "Wie lang ist der kürzeste Anhalteweg bei %1 auf trockener Fahrbahn?"),
                  mph(row.speed)),
              {metres(total)}, wrongTotal, note);
    list << Q(kAllCategories,
              arg(T("What is the typical thinking distance at %1?",
                    "Jaka jest typowa droga reakcji przy prędkości %1?",
                    "Wie lang ist der typische Reaktionsweg bei %1?"),
                  mph(row.speed)),
              {metres(row.thinking)}, wrongThinking, note);
  }
}

QVector<Tri> otherSpeeds(int correct) {
  QVector<Tri> wrong;
  for (int speed = 20; speed <= 70; speed += 10) {
    if (speed != correct)
      wrong << mph(speed);
  }
  return wrong;
}

// The national speed limits of one kind of vehicle.
void addSpeedLimits(QVector<QuestionTemplate>& list, unsigned categories, const Tri& vehicle,
                    int single, int dual, int motorway) {
  const Tri note{
      QStringLiteral("The national speed limit for %1 is %2 mph on single carriageways, %3 mph "
                     "on dual carriageways and %4 mph on motorways, unless signs show a lower "
                     "limit.")
          .arg(vehicle.en)
          .arg(single)
          .arg(dual)
          .arg(motorway),
      QStringLiteral("Krajowe ograniczenie prędkości dla %1 wynosi %2 mil/h na drogach "
                     "jednojezdniowych, %3 mil/h na drogach dwujezdniowych i %4 mil/h na "
                     "autostradach, chyba że znaki wskazują niższe.")
          .arg(vehicle.pl)
          .arg(single)
          .arg(dual)
          .arg(motorway),
      QStringLiteral("Für %1 gelten als allgemeine Höchstgeschwindigkeit %2 mph auf Straßen mit "
                     "einer Fahrbahn, %3 mph auf zweibahnigen Straßen und %4 mph auf "
                     "Autobahnen, sofern Schilder nichts Niedrigeres anzeigen.")
          .arg(vehicle.de)
          .arg(single)
          .arg(dual)
          .arg(motorway)};
  list << Q(categories,
            arg(T("What is the national speed limit for %1 on a single carriageway road?",
                  "Jakie jest krajowe ograniczenie prędkości dla %1 na drodze jednojezdniowej?",
                  "Welche allgemeine Höchstgeschwindigkeit gilt für %1 auf Straßen mit einer "
                  "Fahrbahn außerhalb geschlossener Ortschaften?"),
                vehicle),
            {mph(single)}, otherSpeeds(single), note);
  list << Q(categories,
            arg(T("What is the national speed limit for %1 on a dual carriageway?",
                  "Jakie jest krajowe ograniczenie prędkości dla %1 na drodze dwujezdniowej?",
                  "Welche allgemeine Höchstgeschwindigkeit gilt für %1 auf zweibahnigen "
                  "Straßen?"),
                vehicle),
            {mph(dual)}, otherSpeeds(dual), note);
  list << Q(categories,
            arg(T("What is the national speed limit for %1 on a motorway?",
                  "Jakie jest krajowe ograniczenie prędkości dla %1 na autostradzie?",
                  "Welche allgemeine Höchstgeschwindigkeit gilt für %1 auf der Autobahn?"),
                vehicle),
            {mph(motorway)}, otherSpeeds(motorway), note);
}

void addGeneralQuestions(QVector<QuestionTemplate>& list) {
  list << Q(
      kAllCategories,
      T("How does alcohol affect you when you are in charge of a vehicle?",
        "Jak alkohol wpływa na ciebie, gdy prowadzisz pojazd?",
        "Wie wirkt sich Alkohol auf Sie aus, wenn Sie ein Fahrzeug führen?"),
      {T("It slows down your reactions", "Spowalnia twoje reakcje",
         "Er verlängert Ihre Reaktionszeit"),
       T("It makes it harder to judge speed and distance", "Utrudnia ocenę prędkości i odległości",
         "Er erschwert das Einschätzen von Geschwindigkeit und Entfernung"),
       T("It gives you a false sense of confidence", "Daje fałszywe poczucie pewności siebie",
         "Er vermittelt ein falsches Gefühl der Sicherheit")},
      {T("It improves your concentration", "Poprawia koncentrację",
         "Er verbessert Ihre Konzentration"),
       T("It makes you more aware of hazards", "Sprawia, że lepiej dostrzegasz zagrożenia",
         "Sie erkennen Gefahren schneller"),
       T("It makes your reactions faster", "Przyspiesza twoje reakcje",
         "Er verkürzt Ihre Reaktionszeit"),
       T("It improves your judgement of speed", "Poprawia ocenę prędkości",
         "Er verbessert Ihr Gefühl für Geschwindigkeit"),
       T("It has no effect after one drink", "Po jednym drinku nie ma żadnego wpływu",
         "Nach einem Glas hat er keine Wirkung")},
      T("Alcohol slows your reactions, affects your judgement of speed and distance and "
        "makes you overconfident. The safest choice is not to drink at all before you "
        "drive or ride.",
        "Alkohol spowalnia reakcje, zaburza ocenę prędkości i odległości oraz daje złudne "
        "poczucie pewności. Najbezpieczniej jest nie pić wcale przed jazdą.",
        "Alkohol verlängert die Reaktionszeit, beeinträchtigt das Einschätzen von "
        "Geschwindigkeit und Entfernung und macht übermütig. Am sichersten ist es, vor der "
        "Fahrt gar nichts zu trinken."));

  list << Q(kAllCategories,
            T("Your mobile phone rings while you are on the move. What should you do?",
              "Podczas jazdy dzwoni twój telefon komórkowy. Co powinieneś zrobić?",
              "Während der Fahrt klingelt Ihr Mobiltelefon. Was sollten Sie tun?"),
            {T("Let it ring and check the message when you have stopped safely",
               "Pozwolić mu dzwonić i odsłuchać wiadomość po bezpiecznym zatrzymaniu się",
               "Es klingeln lassen und die Nachricht abhören, wenn Sie sicher angehalten haben")},
            {T("Answer it quickly and keep the call short", "Szybko odebrać i krótko porozmawiać",
               "Schnell abnehmen und kurz sprechen"),
             T("Reduce your speed and then answer it", "Zwolnić, a potem odebrać",
               "Langsamer fahren und dann abnehmen"),
             T("Stop on the hard shoulder of a motorway to answer it",
               "Zatrzymać się na pasie awaryjnym autostrady i odebrać",
               "Auf dem Seitenstreifen der Autobahn anhalten und abnehmen"),
             T("Read the caller's name while you keep going",
               "Odczytać nazwę dzwoniącego, nie przerywając jazdy",
               "Während der Fahrt den Namen des Anrufers lesen"),
             T("Hold the phone between your shoulder and ear",
               "Przytrzymać telefon między ramieniem a uchem",
               "Das Telefon zwischen Schulter und Ohr klemmen")},
            T("It is illegal to use a hand-held phone while driving or riding. Even a hands-free "
              "call takes your attention off the road, so find a safe place to stop first.",
              "Używanie telefonu trzymanego w ręku podczas jazdy jest niezgodne z prawem. Nawet "
              "rozmowa przez zestaw głośnomówiący odwraca uwagę od drogi, dlatego najpierw "
              "zatrzymaj się w bezpiecznym miejscu.",
              "Die Benutzung eines Mobiltelefons in der Hand während der Fahrt ist verboten. "
              "Auch ein Freisprechgespräch lenkt vom Verkehr ab; halten Sie daher zuerst an "
              "einer sicheren Stelle an."));

  list << Q(
      kAllCategories,
      T("You begin to feel tired on a long journey. What should you do?",
        "Podczas długiej podróży zaczynasz odczuwać zmęczenie. Co powinieneś zrobić?",
        "Auf einer langen Fahrt werden Sie müde. Was sollten Sie tun?"),
      {T("Stop in a safe place and take a break",
         "Zatrzymać się w bezpiecznym miejscu i zrobić przerwę",
         "An einer sicheren Stelle anhalten und eine Pause einlegen"),
       T("Plan a break of at least 15 minutes every two hours",
         "Planować co najmniej 15-minutową przerwę co dwie godziny",
         "Alle zwei Stunden eine Pause von mindestens 15 Minuten einplanen")},
      {T("Open a window and carry on to your destination", "Otworzyć okno i jechać dalej do celu",
         "Ein Fenster öffnen und bis zum Ziel weiterfahren"),
       T("Drive faster so that you arrive sooner",
         "Jechać szybciej, aby wcześniej dotrzeć na miejsce",
         "Schneller fahren, um früher anzukommen"),
       T("Stop on the hard shoulder for a sleep",
         "Zatrzymać się na pasie awaryjnym, aby się przespać",
         "Auf dem Seitenstreifen anhalten und schlafen"),
       T("Turn the radio up loud and keep going", "Głośno włączyć radio i jechać dalej",
         "Das Radio laut stellen und weiterfahren"),
       T("Switch on the hazard warning lights and continue",
         "Włączyć światła awaryjne i kontynuować jazdę",
         "Die Warnblinkanlage einschalten und weiterfahren")},
      T("Tiredness is a major cause of crashes. Plan your journey with regular breaks and "
        "stop in a safe place as soon as you feel sleepy.",
        "Zmęczenie jest jedną z głównych przyczyn wypadków. Planuj podróż z regularnymi "
        "przerwami i zatrzymaj się w bezpiecznym miejscu, gdy tylko poczujesz senność.",
        "Müdigkeit ist eine häufige Unfallursache. Planen Sie regelmäßige Pausen ein und "
        "halten Sie an einer sicheren Stelle an, sobald Sie sich schläfrig fühlen."));

  list << Q(kAllCategories,
            T("You are turning into a side road. An elderly pedestrian is crossing it slowly. "
              "What should you do?",
              "Skręcasz w boczną drogę, przez którą powoli przechodzi starsza osoba. Co "
              "powinieneś zrobić?",
              "Sie biegen in eine Seitenstraße ein, die ein älterer Fußgänger langsam "
              "überquert. Was sollten Sie tun?"),
            {T("Wait patiently and let them finish crossing",
               "Cierpliwie poczekać, aż przejdzie na drugą stronę",
               "Geduldig warten, bis er die Straße überquert hat")},
            {T("Sound your horn so that they hurry", "Użyć klaksonu, aby się pospieszył",
               "Hupen, damit er sich beeilt"),
             T("Rev your engine to show that you are waiting",
               "Zwiększyć obroty silnika, aby pokazać, że czekasz",
               "Den Motor aufheulen lassen, um zu zeigen, dass Sie warten"),
             T("Drive round behind them", "Objechać go od tyłu", "Hinter ihm vorbeifahren"),
             T("Flash your headlights to hurry them along", "Mrugnąć światłami, aby go ponaglić",
               "Mit der Lichthupe zur Eile drängen"),
             T("Edge forward to make them move faster", "Powoli podjeżdżać, aby szybciej przeszedł",
               "Langsam vorrollen, damit er schneller geht")},
            T("Pedestrians who are already crossing a road you are turning into have priority. "
              "Older people may need more time, so be patient.",
              "Piesi, którzy już przechodzą przez drogę, w którą skręcasz, mają pierwszeństwo. "
              "Osoby starsze mogą potrzebować więcej czasu, dlatego bądź cierpliwy.",
              "Fußgänger, die die Straße, in die Sie einbiegen, bereits überqueren, haben "
              "Vorrang. Ältere Menschen brauchen oft mehr Zeit; seien Sie geduldig."));

  list << Q(kAllCategories,
            T("You want to turn left at a junction. A cyclist is riding alongside you on your "
              "left. What should you do?",
              "Chcesz skręcić w lewo na skrzyżowaniu. Po twojej lewej stronie jedzie "
              "rowerzysta. Co powinieneś zrobić?",
              "Sie möchten an einer Kreuzung links abbiegen. Links neben Ihnen fährt ein "
              "Radfahrer. Was sollten Sie tun?"),
            {T("Hold back and let the cyclist pass the junction first",
               "Zwolnić i przepuścić rowerzystę przez skrzyżowanie",
               "Zurückbleiben und den Radfahrer zuerst an der Einmündung vorbeilassen")},
            {T("Overtake the cyclist quickly before you turn",
               "Szybko wyprzedzić rowerzystę przed skrętem",
               "Den Radfahrer vor dem Abbiegen schnell überholen"),
             T("Sound your horn and turn", "Użyć klaksonu i skręcić", "Hupen und abbiegen"),
             T("Turn, because you signalled first", "Skręcić, bo pierwszy włączyłeś kierunkowskaz",
               "Abbiegen, weil Sie zuerst geblinkt haben"),
             T("Accelerate so that the cyclist has to brake",
               "Przyspieszyć, aby rowerzysta musiał hamować",
               "Beschleunigen, damit der Radfahrer bremsen muss"),
             T("Move closer to the kerb to block the cyclist",
               "Zjechać bliżej krawężnika, aby zablokować rowerzystę",
               "Dicht an den Bordstein fahren, um den Radfahrer abzudrängen")},
            T("Cyclists and motorcyclists can be hidden alongside you. Check your mirrors and "
              "blind spot before you turn, and never cut across their path.",
              "Rowerzyści i motocykliści mogą być niewidoczni obok ciebie. Przed skrętem "
              "sprawdź lusterka i martwe pole i nigdy nie zajeżdżaj im drogi.",
              "Radfahrer und Motorradfahrer können neben Ihnen verdeckt sein. Prüfen Sie vor "
              "dem Abbiegen Spiegel und toten Winkel und schneiden Sie ihnen nie den Weg ab."));

  list << Q(
      kAllCategories,
      T("You are approaching a horse rider on a narrow country road. What should you do?",
        "Na wąskiej wiejskiej drodze zbliżasz się do jeźdźca na koniu. Co powinieneś "
        "zrobić?",
        "Auf einer schmalen Landstraße nähern Sie sich einem Reiter. Was sollten Sie "
        "tun?"),
      {T("Slow down and be ready to stop", "Zwolnić i być gotowym do zatrzymania",
         "Langsamer fahren und anhaltebereit sein"),
       T("Pass wide and slowly when it is safe",
         "Wyprzedzić powoli i w dużej odległości, gdy będzie bezpiecznie",
         "Langsam und mit großem Abstand vorbeifahren, wenn es sicher ist")},
      {T("Sound your horn to warn the rider", "Użyć klaksonu, aby ostrzec jeźdźca",
         "Hupen, um den Reiter zu warnen"),
       T("Rev your engine so that the horse hears you",
         "Zwiększyć obroty silnika, aby koń cię usłyszał",
         "Den Motor aufheulen lassen, damit das Pferd Sie hört"),
       T("Pass as closely and quickly as possible", "Wyprzedzić jak najbliżej i jak najszybciej",
         "So nah und schnell wie möglich vorbeifahren"),
       T("Flash your headlights at the rider", "Mrugnąć światłami do jeźdźca",
         "Den Reiter mit der Lichthupe anblinken"),
       T("Follow close behind the horse", "Jechać tuż za koniem",
         "Dicht hinter dem Pferd herfahren")},
      T("Horses can be frightened by noise and by traffic passing close. Pass wide and "
        "slowly, and be ready to stop.",
        "Konie mogą się przestraszyć hałasu i pojazdów przejeżdżających blisko. "
        "Wyprzedzaj powoli, zachowując duży odstęp, i bądź gotów do zatrzymania.",
        "Pferde können durch Lärm und dicht vorbeifahrende Fahrzeuge erschrecken. Fahren "
        "Sie langsam und mit großem Abstand vorbei und seien Sie anhaltebereit."));

  list << Q(
      kAllCategories,
      T(R"(You are approaching a school crossing patrol holding up a "STOP" sign. What must you do?)",
        R"(Zbliżasz się do przejścia przy szkole, gdzie osoba przeprowadzająca dzieci podnosi tarczę z napisem "STOP". Co musisz zrobić?)",
        R"(Sie nähern sich einem Schülerlotsen, der eine Kelle mit der Aufschrift "STOP" hochhält. Was müssen Sie tun?)"),
      {T("Stop and wait until the patrol has left the road",
         "Zatrzymać się i poczekać, aż osoba ta zejdzie z jezdni",
         "Anhalten und warten, bis der Lotse die Fahrbahn verlassen hat")},
      {T("Drive on slowly if no children are crossing yet",
         "Jechać powoli dalej, jeśli dzieci jeszcze nie przechodzą",
         "Langsam weiterfahren, wenn noch keine Kinder gehen"),
       T("Sound your horn to warn the children", "Użyć klaksonu, aby ostrzec dzieci",
         "Hupen, um die Kinder zu warnen"),
       T("Overtake any vehicle that has already stopped",
         "Wyprzedzić pojazd, który już się zatrzymał", "Ein bereits haltendes Fahrzeug überholen"),
       T("Stop only if a child is in the road",
         "Zatrzymać się tylko wtedy, gdy dziecko jest na jezdni",
         "Nur anhalten, wenn ein Kind auf der Fahrbahn ist"),
       T("Flash your headlights and continue", "Mrugnąć światłami i jechać dalej",
         "Lichthupe geben und weiterfahren")},
      T(R"(You must stop when a school crossing patrol shows a "STOP" sign, and wait until the patrol has left the road.)",
        R"(Musisz się zatrzymać, gdy osoba przeprowadzająca dzieci pokazuje tarczę "STOP", i poczekać, aż zejdzie z jezdni.)",
        R"(Sie müssen anhalten, wenn ein Schülerlotse die Kelle "STOP" zeigt, und warten, bis er die Fahrbahn verlassen hat.)"));

  list << Q(
      kAllCategories,
      T("In good, dry conditions, what is the minimum time gap you should leave to the "
        "vehicle in front on a fast road?",
        "Jaki minimalny odstęp czasowy od poprzedzającego pojazdu powinieneś zachować na "
        "szybkiej drodze przy dobrej, suchej nawierzchni?",
        "Welchen zeitlichen Mindestabstand sollten Sie auf einer schnellen Straße bei "
        "guten, trockenen Bedingungen zum Vorausfahrenden einhalten?"),
      {T("Two seconds", "Dwie sekundy", "Zwei Sekunden")},
      {T("One second", "Jedna sekunda", "Eine Sekunde"),
       T("Half a second", "Pół sekundy", "Eine halbe Sekunde"),
       T("One vehicle length", "Długość jednego pojazdu", "Eine Fahrzeuglänge"),
       T("Five metres", "Pięć metrów", "Fünf Meter"),
       T("Whatever gap the traffic behind allows", "Tyle, na ile pozwala ruch za tobą",
         "So viel, wie der Verkehr hinter Ihnen zulässt")},
      T(R"(Leave at least a two-second gap in good conditions. As the vehicle in front passes a fixed point, say "Only a fool breaks the two-second rule".)",
        R"(Przy dobrych warunkach zachowaj odstęp co najmniej dwóch sekund. Gdy pojazd przed tobą minie stały punkt, powiedz: "Tylko głupiec łamie zasadę dwóch sekund".)",
        R"(Halten Sie bei guten Bedingungen mindestens zwei Sekunden Abstand. Sprechen Sie, sobald das Fahrzeug vor Ihnen einen festen Punkt passiert: "Nur ein Narr bricht die Zwei-Sekunden-Regel".)"));

  list << Q(kAllCategories,
            T("The road is wet. How should you change the gap to the vehicle in front?",
              "Nawierzchnia jest mokra. Jak powinieneś zmienić odstęp od poprzedzającego "
              "pojazdu?",
              "Die Fahrbahn ist nass. Wie sollten Sie den Abstand zum Vorausfahrenden ändern?"),
            {T("At least double it", "Co najmniej go podwoić", "Ihn mindestens verdoppeln")},
            {T("Keep the same gap", "Zachować ten sam odstęp", "Den Abstand beibehalten"),
             T("Halve it", "Zmniejszyć go o połowę", "Ihn halbieren"),
             T("Add one metre", "Dodać jeden metr", "Einen Meter hinzufügen"),
             T("Increase it by a quarter", "Zwiększyć go o jedną czwartą",
               "Ihn um ein Viertel vergrößern"),
             T("Close up so that you can see the brake lights",
               "Podjechać bliżej, aby widzieć światła stopu",
               "Dichter auffahren, um die Bremslichter zu sehen")},
            T("On wet roads stopping distances are at least double those on dry roads, so leave "
              "a gap of at least four seconds.",
              "Na mokrej nawierzchni droga zatrzymania jest co najmniej dwa razy dłuższa niż na "
              "suchej, dlatego zachowaj odstęp co najmniej czterech sekund.",
              "Auf nasser Fahrbahn ist der Anhalteweg mindestens doppelt so lang wie auf "
              "trockener; halten Sie deshalb mindestens vier Sekunden Abstand."));

  list << Q(
      kAllCategories,
      T("How much longer can stopping distances be on an icy road than on a dry one?",
        "O ile dłuższa może być droga zatrzymania na oblodzonej nawierzchni niż na "
        "suchej?",
        "Um wie viel länger kann der Anhalteweg auf eisglatter Fahrbahn sein als auf "
        "trockener?"),
      {T("Up to ten times longer", "Nawet dziesięć razy dłuższa", "Bis zu zehnmal so lang")},
      {T("Up to twice as long", "Najwyżej dwa razy dłuższa", "Höchstens doppelt so lang"),
       T("About the same", "Mniej więcej taka sama", "Ungefähr gleich lang"),
       T("Up to three times longer", "Najwyżej trzy razy dłuższa", "Höchstens dreimal so lang"),
       T("Half as long", "O połowę krótsza", "Halb so lang"),
       T("Only five per cent longer", "Tylko o pięć procent dłuższa", "Nur fünf Prozent länger")},
      T("On ice, tyres have very little grip. Stopping distances can increase up to ten "
        "times, so drive or ride slowly and gently.",
        "Na lodzie opony mają bardzo słabą przyczepność. Droga zatrzymania może wydłużyć "
        "się nawet dziesięciokrotnie, dlatego jedź wolno i płynnie.",
        "Auf Eis haben die Reifen kaum Haftung. Der Anhalteweg kann sich bis zum "
        "Zehnfachen verlängern; fahren Sie daher langsam und gefühlvoll."));

  list << Q(kAllCategories,
            T("When may you use hazard warning lights while moving?",
              "Kiedy możesz używać świateł awaryjnych podczas jazdy?",
              "Wann dürfen Sie während der Fahrt die Warnblinkanlage benutzen?"),
            {T("On a motorway or unrestricted dual carriageway, to warn drivers behind of a "
               "hazard ahead",
               "Na autostradzie lub drodze dwujezdniowej bez ograniczenia prędkości, aby "
               "ostrzec jadących za tobą o zagrożeniu",
               "Auf der Autobahn oder einer Schnellstraße ohne Geschwindigkeitsbegrenzung, um "
               "Nachfolgende vor einer Gefahr zu warnen")},
            {T("To thank another driver", "Aby podziękować innemu kierowcy",
               "Um sich bei einem anderen Fahrer zu bedanken"),
             T("When you are driving slowly in heavy rain",
               "Podczas powolnej jazdy w ulewnym deszczu", "Bei langsamer Fahrt in starkem Regen"),
             T("To apologise after a mistake", "Aby przeprosić za błąd",
               "Um sich für einen Fehler zu entschuldigen"),
             T("When you are about to park on double yellow lines",
               "Gdy zamierzasz zaparkować na podwójnej żółtej linii",
               "Wenn Sie auf einer doppelten gelben Linie parken wollen"),
             T("Whenever you are in fog", "Zawsze podczas mgły", "Immer bei Nebel")},
            T("You may switch on hazard warning lights briefly while moving on a motorway or "
              "unrestricted dual carriageway to warn traffic behind of a hazard or queue ahead.",
              "Na autostradzie lub drodze dwujezdniowej bez ograniczenia prędkości możesz na "
              "krótko włączyć światła awaryjne podczas jazdy, aby ostrzec jadących za tobą o "
              "zagrożeniu lub korku.",
              "Auf Autobahnen oder Schnellstraßen ohne Geschwindigkeitsbegrenzung dürfen Sie "
              "die Warnblinkanlage kurz während der Fahrt einschalten, um Nachfolgende vor einer "
              "Gefahr oder einem Stau zu warnen."));

  list << Q(
      kAllCategories,
      T("What is the hard shoulder of a motorway for?",
        "Do czego służy pas awaryjny na autostradzie?",
        "Wofür ist der Seitenstreifen der Autobahn da?"),
      {T("Stopping in an emergency", "Do zatrzymania się w sytuacji awaryjnej",
         "Zum Anhalten in einem Notfall")},
      {T("Overtaking slow vehicles", "Do wyprzedzania wolnych pojazdów",
         "Zum Überholen langsamer Fahrzeuge"),
       T("Stopping to use a mobile phone", "Do zatrzymania się, aby porozmawiać przez telefon",
         "Zum Anhalten, um zu telefonieren"),
       T("Resting when you feel tired", "Do odpoczynku, gdy jesteś zmęczony",
         "Zum Ausruhen, wenn Sie müde sind"),
       T("Driving in slow traffic", "Do jazdy w wolnym ruchu", "Zum Fahren bei stockendem Verkehr"),
       T("Checking a map", "Do sprawdzenia mapy", "Zum Lesen einer Karte")},
      T("Use the hard shoulder only in an emergency or when told to by the police, "
        "traffic officers or signs. Use the emergency telephone if you can.",
        "Korzystaj z pasa awaryjnego wyłącznie w sytuacji awaryjnej albo na polecenie "
        "policji, służb drogowych lub znaków. Jeśli to możliwe, użyj telefonu alarmowego.",
        "Benutzen Sie den Seitenstreifen nur im Notfall oder wenn Polizei, Verkehrsdienst "
        "oder Schilder es anordnen. Verwenden Sie möglichst die Notrufsäule."));

  list << Q(
      kAllCategories,
      T("Which of these vehicles must not use the right-hand lane of a motorway with "
        "three or more lanes?",
        "Które z tych pojazdów nie mogą korzystać z prawego pasa autostrady mającej trzy "
        "lub więcej pasów?",
        "Welche dieser Fahrzeuge dürfen den rechten Fahrstreifen einer Autobahn mit drei "
        "oder mehr Fahrstreifen nicht benutzen?"),
      {T("A goods vehicle over 7.5 tonnes", "Pojazd ciężarowy o masie powyżej 7,5 tony",
         "Ein Lkw über 7,5 Tonnen"),
       T("A vehicle towing a trailer", "Pojazd ciągnący przyczepę", "Ein Fahrzeug mit Anhänger"),
       T("A passenger vehicle fitted with a speed limiter",
         "Pojazd do przewozu osób z ogranicznikiem prędkości",
         "Ein Bus mit Geschwindigkeitsbegrenzer")},
      {T("A car without a trailer", "Samochód osobowy bez przyczepy", "Ein Pkw ohne Anhänger"),
       T("A solo motorcycle", "Motocykl bez przyczepki", "Ein Motorrad ohne Beiwagen"),
       T("A small van under 3.5 tonnes", "Mała furgonetka o masie poniżej 3,5 tony",
         "Ein kleiner Transporter unter 3,5 Tonnen"),
       T("A car with a roof box", "Samochód osobowy z bagażnikiem dachowym", "Ein Pkw mit Dachbox"),
       T("An estate car", "Samochód kombi", "Ein Kombi")},
      T("On motorways with three or more lanes, goods vehicles over 7.5 tonnes, vehicles "
        "towing trailers and vehicles required to have speed limiters must not use the "
        "right-hand lane, except in special circumstances.",
        "Na autostradach z trzema lub więcej pasami pojazdy ciężarowe powyżej 7,5 tony, "
        "pojazdy z przyczepą i pojazdy, które muszą mieć ogranicznik prędkości, nie mogą "
        "jechać prawym pasem, poza szczególnymi sytuacjami.",
        "Auf Autobahnen mit drei oder mehr Fahrstreifen dürfen Lkw über 7,5 Tonnen, "
        "Fahrzeuge mit Anhänger und Fahrzeuge mit vorgeschriebenem "
        "Geschwindigkeitsbegrenzer den rechten Fahrstreifen nur in Ausnahmefällen "
        "benutzen."));

  list << Q(
      kAllCategories,
      T("Which of these should you check before a long journey?",
        "Co z poniższych powinieneś sprawdzić przed długą podróżą?",
        "Was sollten Sie vor einer langen Fahrt prüfen?"),
      {T("Tyre pressures and tread depth", "Ciśnienie w oponach i głębokość bieżnika",
         "Reifendruck und Profiltiefe"),
       T("Oil and coolant levels", "Poziom oleju i płynu chłodzącego", "Öl- und Kühlmittelstand"),
       T("That all lights and indicators work", "Działanie wszystkich świateł i kierunkowskazów",
         "Ob alle Leuchten und Blinker funktionieren")},
      {T("The colour of the seat covers", "Kolor pokrowców na siedzenia",
         "Die Farbe der Sitzbezüge"),
       T("That the radio presets are set", "Ustawienia stacji radiowych",
         "Die gespeicherten Radiosender"),
       T("That the windows are tinted", "Czy szyby są przyciemnione",
         "Ob die Scheiben getönt sind"),
       T("That the horn plays a tune", "Czy klakson gra melodię",
         "Ob die Hupe eine Melodie spielt"),
       T("That the air freshener is new", "Czy zapach samochodowy jest nowy",
         "Ob der Lufterfrischer neu ist")},
      T("Simple checks before you set off (tyres, lights, oil, coolant, brakes) help to "
        "prevent breakdowns and crashes.",
        "Proste kontrole przed wyjazdem (opony, światła, olej, płyn chłodzący, hamulce) "
        "pomagają uniknąć awarii i wypadków.",
        "Einfache Kontrollen vor der Abfahrt (Reifen, Beleuchtung, Öl, Kühlmittel, "
        "Bremsen) helfen, Pannen und Unfälle zu vermeiden."));

  list << Q(kAllCategories,
            T("What does an anti-lock braking system help you to do?",
              "W czym pomaga układ zapobiegający blokowaniu kół (ABS)?",
              "Wobei hilft Ihnen ein Antiblockiersystem (ABS)?"),
            {T("Keep steering control while braking hard",
               "Zachować możliwość kierowania podczas gwałtownego hamowania",
               "Bei einer Vollbremsung lenkfähig zu bleiben")},
            {T("Drive faster on wet roads", "Jeździć szybciej po mokrej nawierzchni",
               "Auf nasser Fahrbahn schneller zu fahren"),
             T("Brake later before bends", "Hamować później przed zakrętami",
               "Vor Kurven später zu bremsen"),
             T("Ignore the road surface", "Nie zwracać uwagi na stan nawierzchni",
               "Den Straßenzustand nicht zu beachten"),
             T("Follow closer to the vehicle in front", "Jechać bliżej poprzedzającego pojazdu",
               "Dichter aufzufahren"),
             T("Stop in a short distance on loose gravel",
               "Zatrzymać się na krótkim odcinku na luźnym żwirze",
               "Auf losem Schotter kurz anzuhalten")},
            T("Anti-lock brakes stop the wheels locking, so you can still steer while braking "
              "hard. They do not make up for going too fast or too close.",
              "ABS zapobiega blokowaniu kół, dzięki czemu możesz kierować podczas gwałtownego "
              "hamowania. Nie rekompensuje jednak zbyt szybkiej jazdy ani zbyt małego odstępu.",
              "Das ABS verhindert das Blockieren der Räder, sodass Sie beim starken Bremsen "
              "lenken können. Es gleicht zu hohe Geschwindigkeit oder zu geringen Abstand nicht "
              "aus."));

  list << Q(
      kAllCategories,
      T("When may you use front or rear fog lights?",
        "Kiedy możesz używać przednich lub tylnych świateł przeciwmgłowych?",
        "Wann dürfen Sie Nebelscheinwerfer oder Nebelschlussleuchte benutzen?"),
      {T("When visibility is seriously reduced, generally to less than 100 metres",
         "Gdy widoczność jest poważnie ograniczona, zwykle do mniej niż 100 metrów",
         "Wenn die Sicht erheblich eingeschränkt ist, in der Regel auf weniger als 100 "
         "Meter")},
      {T("Whenever it is raining", "Zawsze, gdy pada deszcz", "Immer, wenn es regnet"),
       T("At night on unlit roads", "Nocą na nieoświetlonych drogach",
         "Nachts auf unbeleuchteten Straßen"),
       T("When you are parked at the roadside", "Podczas postoju przy drodze",
         "Wenn Sie am Straßenrand parken"),
       T("Whenever you are on a motorway", "Zawsze na autostradzie", "Immer auf der Autobahn"),
       T("When the road is icy", "Gdy droga jest oblodzona", "Wenn die Straße vereist ist")},
      T("Use fog lights only when visibility is seriously reduced, and switch them off "
        "when it improves so that you do not dazzle others.",
        "Używaj świateł przeciwmgłowych tylko przy poważnie ograniczonej widoczności i "
        "wyłącz je, gdy się poprawi, aby nie oślepiać innych.",
        "Benutzen Sie Nebelleuchten nur bei erheblich eingeschränkter Sicht und schalten "
        "Sie sie aus, sobald die Sicht besser wird, damit Sie andere nicht blenden."));

  list << Q(
      kAllCategories,
      T("Which of these will help you to save fuel?",
        "Co z poniższych pomoże ci oszczędzać paliwo?", "Was hilft Ihnen, Kraftstoff zu sparen?"),
      {T("Planning ahead and avoiding harsh braking",
         "Przewidywanie sytuacji i unikanie gwałtownego hamowania",
         "Vorausschauend fahren und scharfes Bremsen vermeiden"),
       T("Keeping tyres at the correct pressure", "Utrzymywanie prawidłowego ciśnienia w oponach",
         "Den richtigen Reifendruck einhalten"),
       T("Removing loads and accessories you do not need", "Usuwanie zbędnego ładunku i akcesoriów",
         "Unnötige Lasten und Anbauteile entfernen")},
      {T("Accelerating hard after every stop", "Gwałtowne przyspieszanie po każdym zatrzymaniu",
         "Nach jedem Halt stark beschleunigen"),
       T("Using a low gear at high speed", "Jazda na niskim biegu przy dużej prędkości",
         "Bei hoher Geschwindigkeit einen niedrigen Gang fahren"),
       T("Letting the engine idle for long periods",
         "Długie pozostawianie silnika na biegu jałowym",
         "Den Motor lange im Leerlauf laufen lassen"),
       T("Driving with under-inflated tyres", "Jazda na niedopompowanych oponach",
         "Mit zu niedrigem Reifendruck fahren"),
       T("Carrying heavy items you do not need", "Wożenie zbędnych ciężkich przedmiotów",
         "Unnötige schwere Gegenstände mitführen")},
      T("Smooth, planned driving, correct tyre pressures and avoiding unnecessary weight "
        "all reduce fuel use and emissions.",
        "Płynna, przewidująca jazda, prawidłowe ciśnienie w oponach i unikanie zbędnego "
        "obciążenia zmniejszają zużycie paliwa i emisję spalin.",
        "Gleichmäßiges, vorausschauendes Fahren, der richtige Reifendruck und das "
        "Vermeiden unnötiger Last senken Verbrauch und Emissionen."));

  list << Q(
      kAllCategories,
      T("The amber light is flashing at a pelican crossing. What must you do?",
        "Na przejściu dla pieszych typu pelican miga żółte światło. Co musisz zrobić?",
        "An einer Fußgängerampel (Pelican Crossing) blinkt das gelbe Licht. Was müssen "
        "Sie tun?"),
      {T("Give way to pedestrians on the crossing", "Ustąpić pierwszeństwa pieszym na przejściu",
         "Fußgängern auf dem Überweg Vorrang gewähren")},
      {T("Drive on; pedestrians must wait", "Jechać dalej; piesi muszą czekać",
         "Weiterfahren; Fußgänger müssen warten"),
       T("Sound your horn to warn pedestrians", "Użyć klaksonu, aby ostrzec pieszych",
         "Hupen, um Fußgänger zu warnen"),
       T("Wave pedestrians across the road", "Machnąć ręką, aby piesi przeszli",
         "Fußgänger über die Straße winken"),
       T("Speed up to clear the crossing", "Przyspieszyć, aby szybko minąć przejście",
         "Beschleunigen, um den Überweg schnell zu räumen"),
       T("Treat it as a green light", "Potraktować je jak zielone światło",
         "Es wie grünes Licht behandeln")},
      T("A flashing amber light at a pelican crossing means you must give way to "
        "pedestrians on the crossing. If it is clear, you may go on with care.",
        "Migające żółte światło na przejściu typu pelican oznacza, że musisz ustąpić "
        "pierwszeństwa pieszym na przejściu. Jeśli przejście jest wolne, możesz ostrożnie "
        "jechać dalej.",
        "Blinkendes Gelb an einem Pelican Crossing bedeutet, dass Sie Fußgängern auf dem "
        "Überweg Vorrang gewähren müssen. Ist er frei, dürfen Sie vorsichtig "
        "weiterfahren."));

  list << Q(kAllCategories,
            T("An ambulance with flashing blue lights is coming up behind you. What should you "
              "do?",
              "Za tobą nadjeżdża karetka z włączonymi niebieskimi światłami. Co powinieneś "
              "zrobić?",
              "Hinter Ihnen nähert sich ein Rettungswagen mit Blaulicht. Was sollten Sie tun?"),
            {T("Pull over when it is safe and let it pass",
               "Zjechać na bok, gdy będzie to bezpieczne, i przepuścić ją",
               "An einer sicheren Stelle zur Seite fahren und ihn vorbeilassen")},
            {T("Brake sharply and stop wherever you are",
               "Gwałtownie zahamować i zatrzymać się w dowolnym miejscu",
               "Scharf bremsen und sofort anhalten, egal wo"),
             T("Drive through a red light to make way",
               "Przejechać na czerwonym świetle, aby zrobić miejsce",
               "Bei Rot über die Ampel fahren, um Platz zu machen"),
             T("Speed up to keep ahead of it", "Przyspieszyć, aby utrzymać się przed nią",
               "Beschleunigen, um vor ihm zu bleiben"),
             T("Mount the kerb on a bend", "Wjechać na krawężnik na zakręcie",
               "In einer Kurve auf den Bordstein fahren"),
             T("Follow it closely through the traffic", "Jechać tuż za nią przez korek",
               "Ihm dicht durch den Verkehr folgen")},
            T("Look and listen for emergency vehicles. Help them to get past by pulling over "
              "where it is safe, without breaking the law or putting others in danger.",
              "Zwracaj uwagę na pojazdy uprzywilejowane. Ułatw im przejazd, zjeżdżając na bok w "
              "bezpiecznym miejscu, bez łamania przepisów i narażania innych.",
              "Achten Sie auf Einsatzfahrzeuge. Machen Sie ihnen an einer sicheren Stelle Platz, "
              "ohne Vorschriften zu verletzen oder andere zu gefährden."));

  list << Q(
      kAllCategories,
      T("You are the first to arrive at the scene of a crash. Which of these should you "
        "do?",
        "Jako pierwszy docierasz na miejsce wypadku. Co z poniższych powinieneś zrobić?",
        "Sie kommen als Erster an eine Unfallstelle. Was sollten Sie tun?"),
      {T("Warn other traffic, for example with hazard warning lights",
         "Ostrzec innych uczestników ruchu, na przykład światłami awaryjnymi",
         "Den übrigen Verkehr warnen, zum Beispiel mit der Warnblinkanlage"),
       T("Call the emergency services", "Wezwać służby ratunkowe", "Den Rettungsdienst rufen"),
       T("Ask drivers to switch off their engines", "Poprosić kierowców o wyłączenie silników",
         "Die Fahrer bitten, die Motoren abzustellen")},
      {T("Move injured people out of their vehicles at once",
         "Natychmiast wyciągnąć rannych z pojazdów", "Verletzte sofort aus den Fahrzeugen ziehen"),
       T("Remove an injured motorcyclist's helmet", "Zdjąć kask rannemu motocykliście",
         "Einem verletzten Motorradfahrer den Helm abnehmen"),
       T("Give the injured something to drink", "Dać rannym coś do picia",
         "Den Verletzten etwas zu trinken geben"),
       T("Leave as soon as someone else arrives", "Odjechać, gdy tylko przybędzie ktoś inny",
         "Wegfahren, sobald jemand anderes da ist"),
       T("Let people smoke to calm their nerves", "Pozwolić ludziom zapalić dla uspokojenia",
         "Zum Beruhigen das Rauchen erlauben")},
      T("At a crash, warn other traffic, switch off engines, call the emergency services "
        "and do not move casualties unless they are in further danger. Do not remove a "
        "motorcyclist's helmet unless it is essential.",
        "Na miejscu wypadku ostrzeż innych, wyłącz silniki, wezwij służby ratunkowe i nie "
        "przemieszczaj poszkodowanych, chyba że grozi im dalsze niebezpieczeństwo. Nie "
        "zdejmuj kasku motocykliście, jeśli nie jest to konieczne.",
        "Warnen Sie an einer Unfallstelle den Verkehr, lassen Sie die Motoren abstellen, "
        "rufen Sie den Rettungsdienst und bewegen Sie Verletzte nur bei weiterer Gefahr. "
        "Nehmen Sie einem Motorradfahrer den Helm nur ab, wenn es unbedingt nötig ist."));

  list << Q(
      kAllCategories,
      T("What is the minimum insurance cover you must have by law to use a vehicle on the "
        "road?",
        "Jakie minimalne ubezpieczenie jest wymagane przez prawo, aby korzystać z pojazdu "
        "na drodze?",
        "Welchen Versicherungsschutz müssen Sie gesetzlich mindestens haben, um ein "
        "Fahrzeug im Straßenverkehr zu benutzen?"),
      {T("Third party", "Od odpowiedzialności cywilnej (OC)", "Haftpflicht")},
      {T("Fully comprehensive", "Pełne autocasco", "Vollkasko"),
       T("Third party, fire and theft", "OC rozszerzone o pożar i kradzież",
         "Haftpflicht mit Teilkasko"),
       T("Breakdown cover", "Assistance drogowe", "Pannenschutz"),
       T("Personal accident cover only", "Tylko ubezpieczenie NNW",
         "Nur eine Insassenunfallversicherung"),
       T("Legal expenses cover", "Ubezpieczenie ochrony prawnej", "Rechtsschutzversicherung")},
      T("The law requires at least third-party insurance. It covers injury to other people "
        "and damage to their property, but not damage to your own vehicle.",
        "Prawo wymaga co najmniej ubezpieczenia OC. Obejmuje ono szkody osobowe i "
        "majątkowe wyrządzone innym, ale nie uszkodzenia twojego pojazdu.",
        "Gesetzlich vorgeschrieben ist mindestens eine Haftpflichtversicherung. Sie deckt "
        "Personen- und Sachschäden anderer, aber keine Schäden an Ihrem eigenen "
        "Fahrzeug."));

  list << Q(kAllCategories,
            T("What is the speed limit on a road with street lights in a built-up area, unless "
              "signs show otherwise?",
              "Jakie jest ograniczenie prędkości na drodze z oświetleniem ulicznym w obszarze "
              "zabudowanym, jeśli znaki nie wskazują inaczej?",
              "Welche Höchstgeschwindigkeit gilt innerorts auf Straßen mit Straßenbeleuchtung, "
              "wenn keine Schilder etwas anderes anzeigen?"),
            {mph(30)}, otherSpeeds(30),
            T("A road with street lights is normally limited to 30 mph unless signs show "
              "another limit.",
              "Na drodze z oświetleniem ulicznym obowiązuje zwykle ograniczenie do 30 mil/h, "
              "chyba że znaki wskazują inne.",
              "Auf Straßen mit Straßenbeleuchtung gelten normalerweise 30 mph, sofern keine "
              "Schilder etwas anderes anzeigen."));
}

void addMotorcycleQuestions(QVector<QuestionTemplate>& list) {
  list << Q(
      kCatA,
      T("Which of these should you wear to protect yourself when you ride?",
        "Co z poniższych powinieneś nosić dla ochrony podczas jazdy motocyklem?",
        "Was sollten Sie zu Ihrem Schutz beim Motorradfahren tragen?"),
      {T("An approved safety helmet", "Homologowany kask ochronny",
         "Einen zugelassenen Schutzhelm"),
       T("Strong motorcycle boots", "Solidne buty motocyklowe", "Feste Motorradstiefel"),
       T("Motorcycle gloves", "Rękawice motocyklowe", "Motorradhandschuhe")},
      {T("Trainers", "Tenisówki", "Turnschuhe"), T("Shorts", "Krótkie spodenki", "Kurze Hosen"),
       T("A loose scarf", "Luźny szalik", "Einen lose hängenden Schal"),
       T("A baseball cap under the helmet", "Czapkę z daszkiem pod kaskiem",
         "Eine Baseballkappe unter dem Helm"),
       T("Sandals", "Sandały", "Sandalen")},
      T("A helmet is required by law. Good boots, gloves and motorcycle clothing protect "
        "you from injury and from the weather.",
        "Kask jest wymagany przez prawo. Dobre buty, rękawice i odzież motocyklowa chronią "
        "przed obrażeniami i złą pogodą.",
        "Ein Helm ist gesetzlich vorgeschrieben. Gute Stiefel, Handschuhe und "
        "Motorradkleidung schützen vor Verletzungen und Witterung."));

  list << Q(kCatA,
            T("How can you make yourself easier to see in daylight when riding?",
              "Jak możesz stać się lepiej widoczny w ciągu dnia podczas jazdy motocyklem?",
              "Wie können Sie als Motorradfahrer bei Tageslicht besser gesehen werden?"),
            {T("Wear fluorescent clothing", "Nosić odzież fluorescencyjną",
               "Fluoreszierende Kleidung tragen"),
             T("Ride with dipped headlights on", "Jeździć z włączonymi światłami mijania",
               "Mit Abblendlicht fahren")},
            {T("Wear dark clothing", "Nosić ciemną odzież", "Dunkle Kleidung tragen"),
             T("Ride in other vehicles' blind spots", "Jeździć w martwym polu innych pojazdów",
               "Im toten Winkel anderer Fahrzeuge fahren"),
             T("Wear a black helmet without markings", "Nosić czarny kask bez oznaczeń",
               "Einen schwarzen Helm ohne Markierungen tragen"),
             T("Switch off all lights to save the battery",
               "Wyłączyć wszystkie światła, aby oszczędzać akumulator",
               "Alle Lichter ausschalten, um die Batterie zu schonen"),
             T("Keep close to the vehicle in front", "Trzymać się blisko poprzedzającego pojazdu",
               "Dicht am Vorausfahrenden bleiben")},
            T("Fluorescent clothing shows up well in daylight; reflective material is best in "
              "the dark. Dipped headlights also help others to see you.",
              "Odzież fluorescencyjna jest dobrze widoczna w dzień, a materiały odblaskowe po "
              "zmroku. Światła mijania również pomagają innym cię zauważyć.",
              "Fluoreszierende Kleidung ist bei Tag gut sichtbar, reflektierendes Material bei "
              "Dunkelheit. Auch Abblendlicht hilft anderen, Sie zu sehen."));

  list << Q(kCatA,
            T("Which of these makes a rider most visible at night?",
              "Co sprawia, że motocyklista jest najlepiej widoczny w nocy?",
              "Womit ist ein Motorradfahrer nachts am besten zu sehen?"),
            {T("Reflective clothing or strips", "Odzież lub paski odblaskowe",
               "Reflektierende Kleidung oder Streifen")},
            {T("Fluorescent clothing", "Odzież fluorescencyjna", "Fluoreszierende Kleidung"),
             T("Dark leather clothing", "Ciemna odzież skórzana", "Dunkle Lederkleidung"),
             T("A tinted visor", "Przyciemniana szybka kasku", "Ein getöntes Visier"),
             T("A black helmet", "Czarny kask", "Ein schwarzer Helm"),
             T("Grey waterproofs", "Szara odzież przeciwdeszczowa", "Graue Regenkleidung")},
            T("At night, reflective material shines back in the lights of other vehicles. "
              "Fluorescent material works in daylight but not in the dark.",
              "W nocy materiały odblaskowe odbijają światło reflektorów innych pojazdów. "
              "Materiały fluorescencyjne działają w dzień, ale nie w ciemności.",
              "Nachts werfen reflektierende Materialien das Scheinwerferlicht anderer Fahrzeuge "
              "zurück. Fluoreszierende Materialien wirken bei Tag, aber nicht im Dunkeln."));

  list << Q(
      kCatA,
      T("Your helmet visor is badly scratched. What should you do?",
        "Szybka twojego kasku jest mocno porysowana. Co powinieneś zrobić?",
        "Das Visier Ihres Helms ist stark verkratzt. Was sollten Sie tun?"),
      {T("Replace it, because scratches can cause dazzle",
         "Wymienić ją, ponieważ rysy mogą powodować oślepienie",
         "Es ersetzen, weil Kratzer zu Blendung führen können")},
      {T("Ride with the visor open", "Jeździć z podniesioną szybką", "Mit offenem Visier fahren"),
       T("Polish it with a dry cloth and keep using it",
         "Wypolerować ją suchą szmatką i dalej używać",
         "Es mit einem trockenen Tuch polieren und weiter benutzen"),
       T("Wear sunglasses under it at night", "Nosić pod nią okulary przeciwsłoneczne w nocy",
         "Nachts eine Sonnenbrille darunter tragen"),
       T("Clean it with petrol", "Wyczyścić ją benzyną", "Es mit Benzin reinigen"),
       T("Use it only in the rain", "Używać jej tylko w czasie deszczu",
         "Es nur bei Regen benutzen")},
      T("Scratches on a visor scatter light from the sun and from headlights and can dazzle "
        "you. Keep your visor clean and replace it when it is scratched.",
        "Rysy na szybce rozpraszają światło słońca i reflektorów, co może cię oślepić. "
        "Utrzymuj szybkę w czystości i wymień ją, gdy jest porysowana.",
        "Kratzer im Visier streuen das Licht von Sonne und Scheinwerfern und können "
        "blenden. Halten Sie das Visier sauber und ersetzen Sie es, wenn es verkratzt ist."));

  list << Q(
      kCatA,
      T(R"(What is a "lifesaver" check?)", R"(Czym jest tak zwane "spojrzenie ratujące życie"?)",
        R"(Was ist der sogenannte "Lebensretter-Blick"?)"),
      {T("A last look over your shoulder before you change direction",
         "Ostatnie spojrzenie przez ramię przed zmianą kierunku jazdy",
         "Ein letzter Blick über die Schulter, bevor Sie die Richtung ändern")},
      {T("A look in your mirrors only", "Spojrzenie wyłącznie w lusterka",
         "Nur ein Blick in die Spiegel"),
       T("A check of your tyres before a ride", "Sprawdzenie opon przed jazdą",
         "Eine Reifenkontrolle vor der Fahrt"),
       T("A glance at the speedometer", "Spojrzenie na prędkościomierz",
         "Ein Blick auf den Tachometer"),
       T("A check of the fuel level", "Sprawdzenie poziomu paliwa",
         "Eine Kontrolle des Tankinhalts"),
       T("Sounding your horn before you turn", "Użycie klaksonu przed skrętem",
         "Hupen vor dem Abbiegen")},
      T(R"(The "lifesaver" is a final glance over your shoulder into the blind spot before you turn or change lanes.)",
        R"("Spojrzenie ratujące życie" to ostatni rzut oka przez ramię w martwe pole przed skrętem lub zmianą pasa.)",
        R"(Der "Lebensretter-Blick" ist ein letzter Blick über die Schulter in den toten Winkel, bevor Sie abbiegen oder den Fahrstreifen wechseln.)"));

  list << Q(
      kCatA,
      T("You are going to carry a pillion passenger. Which of these must be in place?",
        "Zamierzasz przewieźć pasażera na tylnym siedzeniu. Co z poniższych musi być "
        "spełnione?",
        "Sie wollen einen Sozius mitnehmen. Was muss gegeben sein?"),
      {T("Your passenger wears an approved helmet", "Pasażer ma homologowany kask",
         "Ihr Sozius trägt einen zugelassenen Helm"),
       T("The motorcycle has passenger footrests", "Motocykl ma podnóżki dla pasażera",
         "Das Motorrad hat Soziusfußrasten"),
       T("You hold a full licence for the motorcycle", "Masz pełne prawo jazdy na ten motocykl",
         "Sie haben einen vollen Führerschein für das Motorrad")},
      {T("Your passenger sits side-saddle", "Pasażer siedzi bokiem", "Ihr Sozius sitzt seitlich"),
       T("Your passenger holds a bag on their lap", "Pasażer trzyma torbę na kolanach",
         "Ihr Sozius hält eine Tasche auf dem Schoß"),
       T("Your passenger leans the opposite way in bends",
         "Pasażer przechyla się w zakrętach w przeciwną stronę",
         "Ihr Sozius lehnt sich in Kurven zur Gegenseite"),
       T("Your passenger is heavier than you", "Pasażer jest cięższy od ciebie",
         "Ihr Sozius ist schwerer als Sie"),
       T("You hold a provisional licence", "Masz tymczasowe prawo jazdy",
         "Sie haben nur einen vorläufigen Führerschein")},
      T("Learner riders must not carry passengers. A passenger needs a helmet and "
        "footrests and should sit astride, facing forwards.",
        "Kursanci nie mogą przewozić pasażerów. Pasażer potrzebuje kasku i podnóżków i "
        "powinien siedzieć okrakiem, przodem do kierunku jazdy.",
        "Fahrschüler dürfen keine Sozien mitnehmen. Ein Sozius braucht einen Helm und "
        "Fußrasten und muss rittlings in Fahrtrichtung sitzen."));

  list << Q(kCatA,
            T("You need to stop on a wet road. How should you use the brakes?",
              "Musisz się zatrzymać na mokrej nawierzchni. Jak powinieneś hamować?",
              "Sie müssen auf nasser Fahrbahn anhalten. Wie sollten Sie bremsen?"),
            {T("Use both brakes smoothly and in good time",
               "Używać obu hamulców płynnie i z wyprzedzeniem",
               "Beide Bremsen gefühlvoll und rechtzeitig betätigen")},
            {T("Use only the front brake, hard", "Mocno użyć tylko przedniego hamulca",
               "Nur die Vorderradbremse kräftig ziehen"),
             T("Use only the rear brake", "Używać wyłącznie tylnego hamulca",
               "Nur die Hinterradbremse benutzen"),
             T("Brake hard while leaning over in a bend", "Mocno hamować w złożeniu w zakręcie",
               "In Schräglage in der Kurve stark bremsen"),
             T("Pull in the clutch and coast to a stop",
               "Wcisnąć sprzęgło i toczyć się do zatrzymania", "Die Kupplung ziehen und ausrollen"),
             T("Brake on the painted road markings", "Hamować na malowanych oznaczeniach jezdni",
               "Auf den aufgemalten Fahrbahnmarkierungen bremsen")},
            T("On wet roads, brake earlier and more gently, with the motorcycle upright, using "
              "both brakes. Painted lines and metal covers are slippery.",
              "Na mokrej nawierzchni hamuj wcześniej i łagodniej, na wyprostowanym motocyklu, "
              "używając obu hamulców. Malowane linie i metalowe pokrywy są śliskie.",
              "Bremsen Sie auf nasser Fahrbahn früher und sanfter, mit aufrechtem Motorrad und "
              "mit beiden Bremsen. Markierungen und Metalldeckel sind rutschig."));

  list << Q(kCatA,
            T("What is the legal minimum tread depth for motorcycle tyres over 50 cc?",
              "Jaka jest prawnie wymagana minimalna głębokość bieżnika opon motocykla o "
              "pojemności powyżej 50 cm³?",
              "Wie groß ist die gesetzliche Mindestprofiltiefe für Reifen von Motorrädern über "
              "50 cm³?"),
            {T("1 mm", "1 mm", "1 mm")},
            {T("0.5 mm", "0,5 mm", "0,5 mm"), T("1.6 mm", "1,6 mm", "1,6 mm"),
             T("2 mm", "2 mm", "2 mm"), T("2.5 mm", "2,5 mm", "2,5 mm"), T("4 mm", "4 mm", "4 mm")},
            T("Motorcycle tyres over 50 cc need a tread depth of at least 1 mm across "
              "three-quarters of the breadth of the tread and all the way round.",
              "Opony motocykli powyżej 50 cm³ muszą mieć bieżnik o głębokości co najmniej 1 mm "
              "na trzech czwartych szerokości i na całym obwodzie.",
              "Reifen von Motorrädern über 50 cm³ brauchen eine Profiltiefe von mindestens 1 mm "
              "auf drei Vierteln der Laufflächenbreite und rundum."));

  list << Q(
      kCatA,
      T("Why should you check your drive chain regularly?",
        "Dlaczego powinieneś regularnie sprawdzać łańcuch napędowy?",
        "Warum sollten Sie die Antriebskette regelmäßig prüfen?"),
      {T("A worn or slack chain can break or jump off and lock the rear wheel",
         "Zużyty lub luźny łańcuch może pęknąć lub spaść i zablokować tylne koło",
         "Eine verschlissene oder zu lockere Kette kann reißen oder abspringen und das "
         "Hinterrad blockieren")},
      {T("To keep it shiny", "Aby utrzymać jego połysk", "Damit sie glänzt"),
       T("Because it affects the headlight", "Ponieważ wpływa na reflektor",
         "Weil sie den Scheinwerfer beeinflusst"),
       T("Because it makes the horn louder", "Ponieważ od niego zależy głośność klaksonu",
         "Weil sie die Hupe lauter macht"),
       T("Because a tight chain improves braking",
         "Ponieważ mocno napięty łańcuch poprawia hamowanie",
         "Weil eine straffe Kette die Bremswirkung verbessert"),
       T("It is needed only for the MOT test", "Jest to potrzebne tylko do przeglądu technicznego",
         "Das ist nur für die Hauptuntersuchung nötig")},
      T("Check chain tension and lubrication often, as the handbook says. A chain that "
        "breaks or comes off can lock the rear wheel.",
        "Często sprawdzaj napięcie i smarowanie łańcucha zgodnie z instrukcją obsługi. "
        "Łańcuch, który pęknie lub spadnie, może zablokować tylne koło.",
        "Prüfen Sie Kettenspannung und Schmierung regelmäßig nach Bedienungsanleitung. "
        "Eine reißende oder abspringende Kette kann das Hinterrad blockieren."));

  list << Q(kCatA | kCatB,
            T("When must a new car or motorcycle first have an MOT test?",
              "Kiedy nowy samochód lub motocykl musi po raz pierwszy przejść przegląd techniczny "
              "(MOT)?",
              "Wann muss ein neues Auto oder Motorrad zum ersten Mal zur Hauptuntersuchung "
              "(MOT)?"),
            {T("Three years after it was first registered", "Trzy lata po pierwszej rejestracji",
               "Drei Jahre nach der Erstzulassung")},
            {T("One year after it was first registered", "Rok po pierwszej rejestracji",
               "Ein Jahr nach der Erstzulassung"),
             T("Two years after it was first registered", "Dwa lata po pierwszej rejestracji",
               "Zwei Jahre nach der Erstzulassung"),
             T("Five years after it was first registered", "Pięć lat po pierwszej rejestracji",
               "Fünf Jahre nach der Erstzulassung"),
             T("Ten years after it was first registered", "Dziesięć lat po pierwszej rejestracji",
               "Zehn Jahre nach der Erstzulassung"),
             T("Only when it is sold", "Dopiero przy sprzedaży", "Erst beim Verkauf")},
            T("Cars and motorcycles need their first MOT three years after first registration "
              "and then every year.",
              "Samochody i motocykle przechodzą pierwszy przegląd trzy lata po pierwszej "
              "rejestracji, a potem co roku.",
              "Pkw und Motorräder müssen drei Jahre nach der Erstzulassung zum ersten Mal und "
              "danach jährlich zur Untersuchung."));
}

void addCarQuestions(QVector<QuestionTemplate>& list) {
  list << Q(kCatB,
            T("Who is responsible for making sure that a child under 14 wears a seat belt in a "
              "car?",
              "Kto odpowiada za to, aby dziecko poniżej 14 lat miało zapięte pasy "
              "bezpieczeństwa w samochodzie?",
              "Wer ist dafür verantwortlich, dass ein Kind unter 14 Jahren im Auto "
              "angeschnallt ist?"),
            {T("The driver", "Kierowca", "Der Fahrer")},
            {T("The child", "Dziecko", "Das Kind"),
             T("The front-seat passenger", "Pasażer na przednim siedzeniu", "Der Beifahrer"),
             T("The owner of the car", "Właściciel samochodu", "Der Halter des Autos"),
             T("The child's parent, even if not in the car",
               "Rodzic dziecka, nawet jeśli nie jedzie samochodem",
               "Ein Elternteil, auch wenn er nicht mitfährt"),
             T("Nobody; it is optional", "Nikt; to nieobowiązkowe", "Niemand; es ist freiwillig")},
            T("The driver is responsible by law for making sure that passengers under 14 use a "
              "seat belt or the correct child restraint.",
              "Zgodnie z prawem kierowca odpowiada za to, aby pasażerowie poniżej 14 lat mieli "
              "zapięte pasy lub siedzieli w odpowiednim foteliku.",
              "Der Fahrer ist gesetzlich dafür verantwortlich, dass Mitfahrer unter 14 Jahren "
              "angeschnallt sind oder im passenden Kindersitz sitzen."));

  list << Q(kCatB,
            T("When must you never fit a rear-facing baby seat in the front passenger seat?",
              "Kiedy nigdy nie wolno montować fotelika dziecięcego tyłem do kierunku jazdy na "
              "przednim siedzeniu pasażera?",
              "Wann dürfen Sie eine rückwärtsgerichtete Babyschale niemals auf dem Beifahrersitz "
              "anbringen?"),
            {T("When the front passenger airbag is active",
               "Gdy poduszka powietrzna pasażera jest aktywna",
               "Wenn der Beifahrerairbag aktiviert ist")},
            {T("When the car has rear doors", "Gdy samochód ma tylne drzwi",
               "Wenn das Auto hintere Türen hat"),
             T("When the baby is asleep", "Gdy dziecko śpi", "Wenn das Baby schläft"),
             T("When the journey is under ten miles", "Gdy podróż jest krótsza niż dziesięć mil",
               "Wenn die Fahrt kürzer als zehn Meilen ist"),
             T("When the seat belt is long enough",
               "Gdy pas bezpieczeństwa jest wystarczająco "
               "długi",
               "Wenn der Sicherheitsgurt lang genug ist"),
             T("When it is daylight", "W ciągu dnia", "Bei Tageslicht")},
            T("An inflating airbag can seriously injure a baby in a rear-facing seat. Never use "
              "one in front of an active airbag.",
              "Napełniająca się poduszka powietrzna może poważnie zranić dziecko w foteliku "
              "ustawionym tyłem do kierunku jazdy. Nigdy nie montuj go przed aktywną poduszką.",
              "Ein auslösender Airbag kann ein Baby in einer rückwärtsgerichteten Schale schwer "
              "verletzen. Verwenden Sie sie nie vor einem aktiven Airbag."));

  list << Q(
      kCatB,
      T("What is the main purpose of a correctly adjusted head restraint?",
        "Jaki jest główny cel prawidłowo ustawionego zagłówka?",
        "Wozu dient eine richtig eingestellte Kopfstütze vor allem?"),
      {T("To reduce the risk of neck injury in a crash",
         "Zmniejszenie ryzyka urazu szyi podczas zderzenia",
         "Das Risiko von Nackenverletzungen bei einem Unfall zu verringern")},
      {T("To make long journeys more comfortable", "Zwiększenie wygody podczas długich podróży",
         "Lange Fahrten bequemer zu machen"),
       T("To help you see in the mirrors", "Ułatwienie patrzenia w lusterka",
         "Den Blick in die Spiegel zu erleichtern"),
       T("To stop you falling asleep", "Zapobieganie zasypianiu", "Das Einschlafen zu verhindern"),
       T("To keep your back straight", "Utrzymanie prostych pleców", "Den Rücken gerade zu halten"),
       T("To hold luggage on the back seat", "Przytrzymywanie bagażu na tylnym siedzeniu",
         "Gepäck auf der Rückbank zu halten")},
      T("Adjust the head restraint so that the rigid part is at least as high as your eyes "
        "or the top of your ears, as close to your head as is comfortable.",
        "Ustaw zagłówek tak, aby jego sztywna część znajdowała się co najmniej na "
        "wysokości oczu lub górnej krawędzi uszu, możliwie blisko głowy.",
        "Stellen Sie die Kopfstütze so ein, dass ihr fester Teil mindestens auf Höhe der "
        "Augen oder der Ohroberkante liegt, möglichst nah am Kopf."));

  list << Q(kCatB,
            T("What is the legal minimum depth of tread for car tyres?",
              "Jaka jest prawnie wymagana minimalna głębokość bieżnika opon samochodu "
              "osobowego?",
              "Wie groß ist die gesetzliche Mindestprofiltiefe für Pkw-Reifen?"),
            {T("1.6 mm", "1,6 mm", "1,6 mm")},
            {T("1 mm", "1 mm", "1 mm"), T("0.8 mm", "0,8 mm", "0,8 mm"),
             T("2.5 mm", "2,5 mm", "2,5 mm"), T("4 mm", "4 mm", "4 mm"), T("5 mm", "5 mm", "5 mm")},
            T("Car tyres must have a tread depth of at least 1.6 mm across the central "
              "three-quarters of the tread and all the way round.",
              "Opony samochodu osobowego muszą mieć bieżnik o głębokości co najmniej 1,6 mm na "
              "środkowych trzech czwartych szerokości i na całym obwodzie.",
              "Pkw-Reifen müssen auf den mittleren drei Vierteln der Lauffläche und rundum "
              "mindestens 1,6 mm Profiltiefe haben."));

  list << Q(
      kCatB,
      T("Why is it wrong to coast downhill with the clutch pedal pressed down?",
        "Dlaczego zjeżdżanie ze wzniesienia z wciśniętym sprzęgłem jest niewłaściwe?",
        "Warum ist es falsch, bergab mit getretener Kupplung rollen zu lassen?"),
      {T("You have less control, because the engine cannot help you to slow down",
         "Masz mniejszą kontrolę, ponieważ silnik nie pomaga hamować",
         "Sie haben weniger Kontrolle, weil der Motor nicht mitbremst")},
      {T("It damages the tyres", "Niszczy opony", "Es beschädigt die Reifen"),
       T("It switches off the lights", "Wyłącza światła", "Es schaltet die Beleuchtung aus"),
       T("It is allowed only at night", "Jest dozwolone tylko w nocy", "Es ist nur nachts erlaubt"),
       T("It wears out the seat belts", "Zużywa pasy bezpieczeństwa",
         "Es nutzt die Sicherheitsgurte ab"),
       T("It makes the horn stop working", "Powoduje, że klakson przestaje działać",
         "Die Hupe funktioniert dann nicht")},
      T("Coasting means travelling in neutral or with the clutch down. The vehicle speeds "
        "up, engine braking is lost and you have less control.",
        "Jazda rozpędem oznacza jazdę na luzie lub z wciśniętym sprzęgłem. Pojazd "
        "przyspiesza, nie ma hamowania silnikiem i masz mniejszą kontrolę.",
        "Rollen lassen heißt, im Leerlauf oder mit getretener Kupplung zu fahren. Das "
        "Fahrzeug wird schneller, die Motorbremse fehlt und Sie haben weniger Kontrolle."));

  list << Q(kCatB,
            T("What is the national speed limit on a motorway for a car towing a caravan?",
              "Jakie jest krajowe ograniczenie prędkości na autostradzie dla samochodu "
              "osobowego z przyczepą kempingową?",
              "Welche allgemeine Höchstgeschwindigkeit gilt auf der Autobahn für einen Pkw mit "
              "Wohnwagen?"),
            {mph(60)}, otherSpeeds(60),
            T("Cars towing caravans or trailers are limited to 50 mph on single carriageways "
              "and 60 mph on dual carriageways and motorways.",
              "Samochody osobowe z przyczepą mogą jechać z prędkością do 50 mil/h na drogach "
              "jednojezdniowych i do 60 mil/h na drogach dwujezdniowych i autostradach.",
              "Pkw mit Wohnwagen oder Anhänger dürfen auf Straßen mit einer Fahrbahn höchstens "
              "50 mph und auf zweibahnigen Straßen und Autobahnen höchstens 60 mph fahren."));
}

void addLargeVehicleQuestions(QVector<QuestionTemplate>& list) {
  const unsigned large = kCatC | kCatD;
  list << Q(large,
            T("Why is a tachograph fitted to a large goods or passenger vehicle?",
              "Po co w pojeździe ciężarowym lub autobusie jest zamontowany tachograf?",
              "Wozu ist ein Lkw oder Bus mit einem Fahrtenschreiber ausgerüstet?"),
            {T("To record driving time, speed and distance",
               "Aby rejestrować czas jazdy, prędkość i przebytą drogę",
               "Um Lenkzeit, Geschwindigkeit und Wegstrecke aufzuzeichnen")},
            {T("To measure the weight of the load", "Aby mierzyć masę ładunku",
               "Um das Gewicht der Ladung zu messen"),
             T("To limit the vehicle's speed", "Aby ograniczać prędkość pojazdu",
               "Um die Geschwindigkeit zu begrenzen"),
             T("To check the tyre pressures", "Aby sprawdzać ciśnienie w oponach",
               "Um den Reifendruck zu prüfen"),
             T("To show the fuel consumption", "Aby pokazywać zużycie paliwa",
               "Um den Kraftstoffverbrauch anzuzeigen"),
             T("To record telephone calls", "Aby nagrywać rozmowy telefoniczne",
               "Um Telefongespräche aufzuzeichnen")},
            T("The tachograph records driving time, other work, breaks, speed and distance, so "
              "that drivers' hours rules can be checked.",
              "Tachograf rejestruje czas jazdy, inną pracę, przerwy, prędkość i przebytą drogę, "
              "dzięki czemu można kontrolować przestrzeganie czasu pracy kierowców.",
              "Der Fahrtenschreiber zeichnet Lenkzeit, andere Arbeiten, Pausen, Geschwindigkeit "
              "und Wegstrecke auf, damit die Lenk- und Ruhezeiten überprüft werden können."));

  list << Q(large,
            T("Under EU drivers' hours rules, what is the most you may drive before you must "
              "take a break?",
              "Jaki jest według unijnych przepisów o czasie pracy kierowców najdłuższy czas "
              "jazdy, po którym musisz zrobić przerwę?",
              "Wie lange dürfen Sie nach den EU-Lenkzeitvorschriften höchstens fahren, bevor Sie "
              "eine Pause einlegen müssen?"),
            {T("4.5 hours", "4,5 godziny", "4,5 Stunden")},
            {T("2 hours", "2 godziny", "2 Stunden"), T("3 hours", "3 godziny", "3 Stunden"),
             T("6 hours", "6 godzin", "6 Stunden"), T("8 hours", "8 godzin", "8 Stunden"),
             T("10 hours", "10 godzin", "10 Stunden")},
            T("After 4.5 hours of driving you must take a break of at least 45 minutes. It may "
              "be split into 15 minutes followed by 30 minutes.",
              "Po 4,5 godziny jazdy musisz zrobić co najmniej 45-minutową przerwę. Można ją "
              "podzielić na 15 minut, a następnie 30 minut.",
              "Nach 4,5 Stunden Lenkzeit müssen Sie mindestens 45 Minuten Pause machen. Sie "
              "darf in 15 Minuten und anschließend 30 Minuten aufgeteilt werden."));

  list << Q(large,
            T("The air pressure warning light comes on while you are driving. What should you "
              "do?",
              "Podczas jazdy zapala się lampka ostrzegawcza ciśnienia powietrza. Co powinieneś "
              "zrobić?",
              "Während der Fahrt leuchtet die Warnleuchte für den Luftdruck auf. Was sollten Sie "
              "tun?"),
            {T("Stop as soon as it is safe and have the fault checked",
               "Zatrzymać się, gdy tylko będzie to bezpieczne, i zlecić sprawdzenie usterki",
               "Sobald es sicher ist, anhalten und den Fehler prüfen lassen")},
            {T("Carry on; it is only a warning", "Jechać dalej; to tylko ostrzeżenie",
               "Weiterfahren; es ist nur eine Warnung"),
             T("Pump the brake pedal repeatedly while driving",
               "Wielokrotnie pompować pedałem hamulca podczas jazdy",
               "Während der Fahrt mehrmals auf das Bremspedal pumpen"),
             T("Drive faster to build up pressure", "Jechać szybciej, aby zwiększyć ciśnienie",
               "Schneller fahren, um Druck aufzubauen"),
             T("Switch off the engine while moving", "Wyłączyć silnik podczas jazdy",
               "Den Motor während der Fahrt abstellen"),
             T("Let some air out of the tyres", "Spuścić trochę powietrza z opon",
               "Etwas Luft aus den Reifen lassen")},
            T("Low air pressure means the brakes may not work properly. Stop safely and do not "
              "drive on until the fault has been put right.",
              "Niskie ciśnienie powietrza oznacza, że hamulce mogą nie działać prawidłowo. "
              "Zatrzymaj się bezpiecznie i nie jedź dalej do czasu usunięcia usterki.",
              "Zu niedriger Luftdruck bedeutet, dass die Bremsen womöglich nicht richtig wirken. "
              "Halten Sie sicher an und fahren Sie erst weiter, wenn der Fehler behoben ist."));

  list << Q(
      large,
      T("What must you know before you drive under a low bridge?",
        "Co musisz wiedzieć, zanim przejedziesz pod niskim wiaduktem?",
        "Was müssen Sie wissen, bevor Sie unter einer niedrigen Brücke hindurchfahren?"),
      {T("The height of your vehicle", "Wysokość swojego pojazdu", "Die Höhe Ihres Fahrzeugs")},
      {T("The length of your vehicle", "Długość swojego pojazdu", "Die Länge Ihres Fahrzeugs"),
       T("The weight of your load", "Masę swojego ładunku", "Das Gewicht Ihrer Ladung"),
       T("The age of the bridge", "Wiek wiaduktu", "Das Alter der Brücke"),
       T("The width of the pavement", "Szerokość chodnika", "Die Breite des Gehwegs"),
       T("The time of the next train", "Godzinę przyjazdu następnego pociągu",
         "Die Ankunftszeit des nächsten Zuges")},
      T("Know the height of your vehicle and load, and display it in the cab. Bridge "
        "strikes put lives at risk and close roads and railways.",
        "Znaj wysokość pojazdu wraz z ładunkiem i umieść tę informację w kabinie. "
        "Uderzenia w wiadukty zagrażają życiu i blokują drogi oraz linie kolejowe.",
        "Kennen Sie die Höhe Ihres Fahrzeugs samt Ladung und zeigen Sie sie im "
        "Führerhaus an. Brückenanfahrten gefährden Leben und legen Straßen und "
        "Bahnstrecken lahm."));

  list << Q(large,
            T("Why should you check your nearside mirrors carefully before turning left in a "
              "large vehicle?",
              "Dlaczego przed skrętem w lewo dużym pojazdem należy dokładnie sprawdzić lusterka "
              "po lewej stronie?",
              "Warum sollten Sie vor dem Linksabbiegen mit einem großen Fahrzeug die linken "
              "Spiegel sorgfältig prüfen?"),
            {T("Cyclists or pedestrians may be hidden alongside the cab",
               "Obok kabiny mogą znajdować się niewidoczni rowerzyści lub piesi",
               "Neben dem Führerhaus können Radfahrer oder Fußgänger verdeckt sein"),
             T("The rear of the vehicle may cut in over the kerb",
               "Tył pojazdu może ściąć zakręt i najechać na krawężnik",
               "Das Fahrzeugheck kann über den Bordstein schneiden")},
            {T("To check that the load is still there",
               "Aby sprawdzić, czy ładunek nadal jest na miejscu",
               "Um zu prüfen, ob die Ladung noch da ist"),
             T("To see the traffic lights behind you", "Aby zobaczyć sygnalizację za tobą",
               "Um die Ampel hinter Ihnen zu sehen"),
             T("It is required only on motorways", "Jest to wymagane tylko na autostradach",
               "Das ist nur auf Autobahnen vorgeschrieben"),
             T("To check the tyre pressures", "Aby sprawdzić ciśnienie w oponach",
               "Um den Reifendruck zu prüfen"),
             T("Because the right-hand mirrors are for parking only",
               "Ponieważ prawe lusterka służą tylko do parkowania",
               "Weil die rechten Spiegel nur zum Einparken dienen")},
            T("Long vehicles cut in when turning. Check all nearside mirrors, including the "
              "close-proximity mirror, for cyclists and pedestrians before and during the turn.",
              "Długie pojazdy ścinają zakręty. Przed skrętem i w jego trakcie sprawdzaj "
              "wszystkie lewe lusterka, także lusterko rampowe, szukając rowerzystów i pieszych.",
              "Lange Fahrzeuge schneiden beim Abbiegen die Kurve. Prüfen Sie vor und während "
              "des Abbiegens alle linken Spiegel einschließlich des Rampenspiegels auf "
              "Radfahrer und Fußgänger."));

  list << Q(large,
            T("What can cause the brakes to fade on a long downhill stretch?",
              "Co może spowodować spadek skuteczności hamulców na długim zjeździe?",
              "Was kann auf einer langen Gefällstrecke zum Nachlassen der Bremswirkung führen?"),
            {T("Using the footbrake continuously", "Ciągłe używanie hamulca zasadniczego",
               "Dauerndes Bremsen mit der Betriebsbremse")},
            {T("Using a low gear", "Jazda na niskim biegu", "Das Fahren in einem niedrigen Gang"),
             T("Using the endurance brake", "Używanie hamulca długotrwałego (zwalniacza)",
               "Die Benutzung der Dauerbremse"),
             T("Driving at a steady low speed", "Jazda ze stałą, niską prędkością",
               "Gleichmäßiges langsames Fahren"),
             T("Having correctly adjusted brakes", "Prawidłowo wyregulowane hamulce",
               "Richtig eingestellte Bremsen"),
             T("Draining the air tanks regularly", "Regularne odwadnianie zbiorników powietrza",
               "Regelmäßiges Entwässern der Luftbehälter")},
            T("Continuous braking makes the brakes overheat and lose effect. Select a low gear "
              "before the descent and use the endurance brake (retarder).",
              "Ciągłe hamowanie powoduje przegrzanie hamulców i spadek ich skuteczności. Przed "
              "zjazdem wybierz niski bieg i używaj zwalniacza.",
              "Dauerndes Bremsen überhitzt die Bremsen, die dann nachlassen. Schalten Sie vor "
              "dem Gefälle in einen niedrigen Gang und nutzen Sie die Dauerbremse (Retarder)."));

  list << Q(large,
            T("What is the legal minimum tread depth for the tyres of a lorry or bus?",
              "Jaka jest prawnie wymagana minimalna głębokość bieżnika opon ciężarówki lub "
              "autobusu?",
              "Wie groß ist die gesetzliche Mindestprofiltiefe für Reifen von Lkw und Bussen?"),
            {T("1 mm", "1 mm", "1 mm")},
            {T("0.5 mm", "0,5 mm", "0,5 mm"), T("1.6 mm", "1,6 mm", "1,6 mm"),
             T("2 mm", "2 mm", "2 mm"), T("3 mm", "3 mm", "3 mm"), T("5 mm", "5 mm", "5 mm")},
            T("Tyres of large vehicles must have at least 1 mm of tread across three-quarters "
              "of the breadth and all the way round, with no cuts or bulges.",
              "Opony dużych pojazdów muszą mieć bieżnik o głębokości co najmniej 1 mm na trzech "
              "czwartych szerokości i na całym obwodzie, bez przecięć i wybrzuszeń.",
              "Reifen großer Fahrzeuge müssen auf drei Vierteln der Breite und rundum "
              "mindestens 1 mm Profil haben und dürfen keine Schnitte oder Beulen aufweisen."));
}

void addLorryQuestions(QVector<QuestionTemplate>& list) {
  list << Q(kCatC,
            T("Which of these are true about the load on your lorry?",
              "Które z poniższych stwierdzeń dotyczących ładunku w twojej ciężarówce są "
              "prawdziwe?",
              "Welche dieser Aussagen über die Ladung Ihres Lkw treffen zu?"),
            {T("It must be secured so that it cannot move, even when you brake hard",
               "Musi być zabezpieczony tak, aby nie mógł się przesunąć, nawet przy gwałtownym "
               "hamowaniu",
               "Sie muss so gesichert sein, dass sie sich auch bei einer Vollbremsung nicht "
               "bewegt"),
             T("You should check it and its fastenings during the journey",
               "Należy go i jego mocowania sprawdzać w czasie podróży",
               "Sie sollten sie und ihre Befestigung während der Fahrt kontrollieren"),
             T("As the driver, you are responsible for it being safe",
               "Jako kierowca odpowiadasz za jego bezpieczeństwo",
               "Als Fahrer sind Sie für ihre Sicherheit verantwortlich")},
            {T("A heavy load does not need securing", "Ciężki ładunek nie wymaga mocowania",
               "Eine schwere Ladung muss nicht gesichert werden"),
             T("Only the loader is responsible, not the driver",
               "Odpowiada za niego tylko ładowacz, a nie kierowca",
               "Nur der Verlader ist verantwortlich, nicht der Fahrer"),
             T("Heavy items should be stacked on top of light ones",
               "Ciężkie przedmioty należy układać na lekkich",
               "Schwere Teile sollten auf leichte gestapelt werden"),
             T("A single rope is enough for any load", "Jedna lina wystarczy do każdego ładunku",
               "Ein einzelnes Seil reicht für jede Ladung"),
             T("The load may overhang without any marking",
               "Ładunek może wystawać bez żadnego oznakowania",
               "Die Ladung darf ohne Kennzeichnung überstehen")},
            T("The driver is responsible for the load. Spread the weight evenly, keep heavy "
              "items low and secure everything so that it cannot move in an emergency stop.",
              "Za ładunek odpowiada kierowca. Rozłóż ciężar równomiernie, umieść ciężkie "
              "przedmioty nisko i zabezpiecz wszystko tak, aby nic nie przesunęło się przy "
              "hamowaniu awaryjnym.",
              "Der Fahrer ist für die Ladung verantwortlich. Verteilen Sie das Gewicht "
              "gleichmäßig, lagern Sie Schweres unten und sichern Sie alles gegen Verrutschen "
              "bei einer Notbremsung."));

  list << Q(
      kCatC,
      T("You feel your load shift as you drive round a bend. What should you do?",
        "Na zakręcie czujesz, że ładunek się przesunął. Co powinieneś zrobić?",
        "In einer Kurve spüren Sie, dass sich Ihre Ladung verschiebt. Was sollten Sie "
        "tun?"),
      {T("Stop as soon as it is safe and secure the load again",
         "Zatrzymać się, gdy tylko będzie to bezpieczne, i ponownie zabezpieczyć ładunek",
         "Sobald es sicher ist, anhalten und die Ladung neu sichern")},
      {T("Drive faster to reach the depot sooner", "Jechać szybciej, aby wcześniej dotrzeć do bazy",
         "Schneller fahren, um früher im Depot zu sein"),
       T("Brake hard to push the load back", "Gwałtownie zahamować, aby ładunek wrócił na miejsce",
         "Stark bremsen, damit die Ladung zurückrutscht"),
       T("Carry on and report it at the end of your shift",
         "Jechać dalej i zgłosić to po zakończeniu zmiany",
         "Weiterfahren und es nach Schichtende melden"),
       T("Take the next bend faster to move it back",
         "Szybciej pokonać następny zakręt, aby go przesunąć z powrotem",
         "Die nächste Kurve schneller fahren, um sie zurückzuschieben"),
       T("Switch on the hazard lights and continue",
         "Włączyć światła awaryjne i jechać "
         "dalej",
         "Die Warnblinkanlage einschalten und weiterfahren")},
      T("A load that moves can make the vehicle unstable or fall off. Stop safely, check "
        "it and secure it properly before you go on.",
        "Przesuwający się ładunek może destabilizować pojazd lub spaść. Zatrzymaj się "
        "bezpiecznie, sprawdź go i prawidłowo zabezpiecz przed dalszą jazdą.",
        "Eine verrutschende Ladung kann das Fahrzeug instabil machen oder herunterfallen. "
        "Halten Sie sicher an, prüfen Sie sie und sichern Sie sie ordnungsgemäß, bevor "
        "Sie weiterfahren."));

  list << Q(
      kCatC,
      T("Why are spray-suppression flaps fitted to lorries?",
        "Po co w ciężarówkach montuje się chlapacze ograniczające rozbryzg wody?",
        "Wozu haben Lkw Spritzschutzvorrichtungen?"),
      {T("To reduce the spray thrown up in wet weather",
         "Aby ograniczyć rozbryzg wody podczas deszczu",
         "Um das bei Nässe aufgewirbelte Sprühwasser zu verringern")},
      {T("To reduce fuel consumption", "Aby zmniejszyć zużycie paliwa", "Um Kraftstoff zu sparen"),
       T("To protect the load from theft", "Aby chronić ładunek przed kradzieżą",
         "Um die Ladung vor Diebstahl zu schützen"),
       T("To make the vehicle go faster", "Aby pojazd jechał szybciej",
         "Damit das Fahrzeug schneller fährt"),
       T("To keep the tyres warm", "Aby utrzymać ciepło opon",
         "Um die Reifen warm zu "
         "halten"),
       T("To help with reversing", "Aby ułatwić cofanie", "Um das Rückwärtsfahren zu erleichtern")},
      T("Spray from large vehicles can blind other road users. Keep spray-suppression "
        "equipment in good condition.",
        "Rozbryzg spod dużych pojazdów może oślepić innych uczestników ruchu. Utrzymuj "
        "chlapacze w dobrym stanie.",
        "Sprühwasser großer Fahrzeuge kann anderen die Sicht nehmen. Halten Sie die "
        "Spritzschutzvorrichtungen in gutem Zustand."));
}

void addBusQuestions(QVector<QuestionTemplate>& list) {
  list << Q(
      kCatD,
      T("When should you move off from a bus stop?",
        "Kiedy powinieneś ruszyć z przystanku autobusowego?",
        "Wann sollten Sie von einer Bushaltestelle anfahren?"),
      {T("When all passengers are safely on board and the doors are closed",
         "Gdy wszyscy pasażerowie bezpiecznie wsiedli, a drzwi są zamknięte",
         "Wenn alle Fahrgäste sicher eingestiegen und die Türen geschlossen sind")},
      {T("With the doors open, to save time", "Z otwartymi drzwiami, aby zaoszczędzić czas",
         "Mit offenen Türen, um Zeit zu sparen"),
       T("While a passenger is still stepping off", "Gdy pasażer jeszcze wysiada",
         "Während ein Fahrgast noch aussteigt"),
       T("As soon as the last fare has been paid", "Gdy tylko ostatni pasażer zapłaci za bilet",
         "Sobald der letzte Fahrpreis bezahlt "
         "ist"),
       T("Whenever the timetable says so, whatever the passengers are doing",
         "Zawsze zgodnie z rozkładem, bez względu na pasażerów",
         "Immer laut Fahrplan, egal was die Fahrgäste tun"),
       T("Before checking your mirrors", "Przed spojrzeniem w lusterka",
         "Bevor Sie in die Spiegel gesehen haben")},
      T("Check your mirrors, make sure that passengers are safely on board and that the "
        "doors are closed, and give a signal before you move off.",
        "Sprawdź lusterka, upewnij się, że pasażerowie bezpiecznie wsiedli, a drzwi są "
        "zamknięte, i zasygnalizuj zamiar ruszenia.",
        "Prüfen Sie die Spiegel, vergewissern Sie sich, dass die Fahrgäste sicher "
        "eingestiegen und die Türen geschlossen sind, und zeigen Sie das Anfahren an."));

  list << Q(
      kCatD,
      T("How can you make the journey safe and comfortable for standing passengers?",
        "Jak możesz zapewnić stojącym pasażerom bezpieczną i wygodną podróż?",
        "Wie können Sie die Fahrt für stehende Fahrgäste sicher und angenehm gestalten?"),
      {T("Accelerate gently", "Łagodnie przyspieszać", "Sanft beschleunigen"),
       T("Brake early and smoothly", "Hamować wcześnie i płynnie", "Früh und gleichmäßig bremsen"),
       T("Take bends at a steady, low speed", "Pokonywać zakręty ze stałą, niską prędkością",
         "Kurven mit gleichmäßig niedriger Geschwindigkeit fahren")},
      {T("Brake sharply at every stop", "Gwałtownie hamować na każdym przystanku",
         "An jeder Haltestelle scharf bremsen"),
       T("Take corners quickly to save time", "Szybko pokonywać zakręty, aby zaoszczędzić czas",
         "Kurven schnell fahren, um Zeit zu sparen"),
       T("Move off before passengers are holding on", "Ruszać, zanim pasażerowie się przytrzymają",
         "Anfahren, bevor sich die Fahrgäste festhalten"),
       T("Change lanes suddenly", "Nagle zmieniać pas ruchu",
         "Plötzlich den Fahrstreifen wechseln"),
       T("Accelerate hard after every stop", "Mocno przyspieszać po każdym zatrzymaniu",
         "Nach jedem Halt stark beschleunigen")},
      T("Standing passengers can easily lose their balance. Plan ahead so that you can "
        "accelerate, brake and steer smoothly.",
        "Stojący pasażerowie łatwo tracą równowagę. Przewiduj sytuację, aby przyspieszać, "
        "hamować i skręcać płynnie.",
        "Stehende Fahrgäste verlieren leicht das Gleichgewicht. Fahren Sie vorausschauend, "
        "damit Sie sanft beschleunigen, bremsen und lenken können."));

  list << Q(
      kCatD,
      T("A passenger in a wheelchair wants to get on your bus. What should you do?",
        "Pasażer na wózku inwalidzkim chce wsiąść do twojego autobusu. Co powinieneś "
        "zrobić?",
        "Ein Fahrgast im Rollstuhl möchte in Ihren Bus einsteigen. Was sollten Sie tun?"),
      {T("Lower the bus or deploy the ramp, and allow time to board",
         "Obniżyć autobus lub rozłożyć rampę i dać mu czas na wejście",
         "Den Bus absenken oder die Rampe ausklappen und Zeit zum Einsteigen lassen")},
      {T("Tell them to wait for another bus", "Powiedzieć mu, aby poczekał na inny autobus",
         "Ihn auf einen anderen Bus verweisen"),
       T("Move off as soon as the wheels are on board",
         "Ruszyć, gdy tylko koła znajdą się w autobusie", "Anfahren, sobald die Räder im Bus sind"),
       T("Ask other passengers to lift the wheelchair",
         "Poprosić innych pasażerów o podniesienie wózka",
         "Andere Fahrgäste bitten, den Rollstuhl hochzuheben"),
       T("Stop well away from the kerb", "Zatrzymać się daleko od krawężnika",
         "Weit vom Bordstein entfernt halten"),
       T("Let them travel in the doorway", "Pozwolić mu jechać w przejściu przy drzwiach",
         "Ihn im Türbereich mitfahren lassen")},
      T("Stop close to the kerb, use the ramp or kneeling system, and make sure the "
        "wheelchair is in the wheelchair space before you move off.",
        "Zatrzymaj się blisko krawężnika, użyj rampy lub funkcji przyklęku i upewnij się, "
        "że wózek stoi w przeznaczonym miejscu, zanim ruszysz.",
        "Halten Sie dicht am Bordstein, nutzen Sie Rampe oder Absenkung und vergewissern "
        "Sie sich, dass der Rollstuhl auf dem Rollstuhlplatz steht, bevor Sie anfahren."));

  list << Q(kCatD,
            T("Before a journey, what should you check about the emergency exits?",
              "Co przed podróżą powinieneś sprawdzić w odniesieniu do wyjść awaryjnych?",
              "Was sollten Sie vor der Fahrt an den Notausgängen prüfen?"),
            {T("That they work and are not blocked", "Czy działają i nie są zablokowane",
               "Dass sie funktionieren und nicht versperrt sind")},
            {T("That they are locked from the outside", "Czy są zamknięte na klucz od zewnątrz",
               "Dass sie von außen verschlossen sind"),
             T("That luggage is stored in front of them", "Czy przed nimi stoi bagaż",
               "Dass davor Gepäck verstaut ist"),
             T("That their signs are covered", "Czy ich oznaczenia są zasłonięte",
               "Dass ihre Schilder abgedeckt sind"),
             T("That only the driver knows where they are", "Czy tylko kierowca wie, gdzie są",
               "Dass nur der Fahrer weiß, wo sie sind"),
             T("Nothing; they are checked at the annual test",
               "Nic; są sprawdzane na corocznym przeglądzie",
               "Nichts; sie werden bei der Jahresuntersuchung geprüft")},
            T("Emergency exits, exit hammers and their signs must be in working order and free "
              "of obstructions before you carry passengers.",
              "Wyjścia awaryjne, młotki bezpieczeństwa i ich oznaczenia muszą być sprawne i "
              "niezastawione, zanim zabierzesz pasażerów.",
              "Notausgänge, Nothämmer und ihre Kennzeichnung müssen funktionieren und frei "
              "sein, bevor Sie Fahrgäste befördern."));

  list << Q(kCatD,
            T("Your coach has seat belts fitted. How should passengers be told that they must "
              "wear them?",
              "W twoim autokarze są pasy bezpieczeństwa. Jak należy poinformować pasażerów, że "
              "muszą je zapiąć?",
              "Ihr Reisebus hat Sicherheitsgurte. Wie sollten die Fahrgäste auf die "
              "Gurtpflicht hingewiesen werden?"),
            {T("By an announcement, a video or signs at each seat",
               "Przez komunikat, film lub oznaczenia przy każdym miejscu",
               "Durch eine Ansage, ein Video oder Hinweisschilder an jedem Sitz")},
            {T("There is no need; it is their choice", "Nie ma potrzeby; to ich wybór",
               "Gar nicht; das ist ihre Entscheidung"),
             T("By a note in the timetable only", "Tylko przez adnotację w rozkładzie jazdy",
               "Nur durch einen Hinweis im Fahrplan"),
             T("By stopping every ten minutes to check",
               "Zatrzymując się co dziesięć minut, aby to sprawdzić",
               "Indem alle zehn Minuten angehalten und kontrolliert wird"),
             T("By sounding the horn", "Używając klaksonu", "Durch Hupen"),
             T("By telling only the children", "Mówiąc o tym tylko dzieciom",
               "Indem es nur den Kindern gesagt wird")},
            T("Passengers aged 14 and over must wear seat belts where fitted. Operators must "
              "tell them, for example by announcement, video or signs.",
              "Pasażerowie w wieku 14 lat i starsi muszą zapinać pasy, jeśli są zamontowane. "
              "Przewoźnik musi ich o tym poinformować, na przykład komunikatem, filmem lub "
              "oznaczeniami.",
              "Fahrgäste ab 14 Jahren müssen vorhandene Sicherheitsgurte anlegen. Das "
              "Unternehmen muss sie darauf hinweisen, etwa durch Ansage, Video oder Schilder."));

  list << Q(
      kCatD,
      T("A passenger is drunk and causing trouble on your bus. What should you do?",
        "Pasażer jest pijany i sprawia kłopoty w twoim autobusie. Co powinieneś zrobić?",
        "Ein betrunkener Fahrgast sorgt in Ihrem Bus für Ärger. Was sollten Sie tun?"),
      {T("Stop in a safe place and call your operator or the police if needed",
         "Zatrzymać się w bezpiecznym miejscu i w razie potrzeby wezwać przewoźnika lub "
         "policję",
         "An einer sicheren Stelle anhalten und bei Bedarf das Unternehmen oder die "
         "Polizei verständigen")},
      {T("Argue with the passenger while driving", "Kłócić się z pasażerem podczas jazdy",
         "Während der Fahrt mit dem Fahrgast streiten"),
       T("Brake sharply to unsettle them", "Gwałtownie zahamować, aby wytrącić go z równowagi",
         "Scharf bremsen, um ihn aus dem Gleichgewicht zu bringen"),
       T("Leave your seat while the bus is moving", "Opuścić fotel kierowcy podczas jazdy",
         "Während der Fahrt den Fahrersitz verlassen"),
       T("Ignore it whatever happens", "Ignorować to bez względu na wszystko",
         "Es in jedem Fall ignorieren"),
       T("Drive faster to reach the depot", "Jechać szybciej, aby dotrzeć do zajezdni",
         "Schneller zum Depot fahren")},
      T("Your first duty is the safety of all passengers. Stay calm, stop where it is safe "
        "and get help rather than dealing with trouble while driving.",
        "Twoim pierwszym obowiązkiem jest bezpieczeństwo wszystkich pasażerów. Zachowaj "
        "spokój, zatrzymaj się w bezpiecznym miejscu i wezwij pomoc zamiast rozwiązywać "
        "problem podczas jazdy.",
        "Ihre erste Pflicht ist die Sicherheit aller Fahrgäste. Bleiben Sie ruhig, halten "
        "Sie an einer sicheren Stelle und holen Sie Hilfe, statt während der Fahrt "
        "einzugreifen."));
}

QVector<QuestionTemplate> buildTextTemplates() {
  QVector<QuestionTemplate> list;
  addGeneralQuestions(list);
  addMotorcycleQuestions(list);
  addCarQuestions(list);
  addLargeVehicleQuestions(list);
  addLorryQuestions(list);
  addBusQuestions(list);
  addStoppingDistances(list);
  addSpeedLimits(list, kCatA, T("motorcycles", "motocykli", "Motorräder"), 60, 70, 70);
  addSpeedLimits(list, kCatB, T("cars", "samochodów osobowych", "Pkw"), 60, 70, 70);
  addSpeedLimits(list, kCatC,
                 T("goods vehicles over 7.5 tonnes", "pojazdów ciężarowych powyżej 7,5 tony",
                   "Lkw über 7,5 Tonnen"),
                 50, 60, 60);
  addSpeedLimits(list, kCatD,
                 T("buses and coaches up to 12 metres long",
                   "autobusów i autokarów o długości do 12 metrów", "Busse bis 12 Meter Länge"),
                 50, 60, 70);
  return list;
}

QVector<SceneTemplate> buildSceneTemplates() {
  QVector<SceneTemplate> list;
  list << SceneTemplate{
      kSceneZebra,
      Q(kAllCategories,
        T("A pedestrian is waiting to cross at this zebra crossing. What should you do?",
          "Przy tym przejściu dla pieszych czeka pieszy, który chce przejść. Co powinieneś "
          "zrobić?",
          "Ein Fußgänger wartet an diesem Zebrastreifen. Was sollten Sie tun?"),
        {T("Be ready to slow down and stop to let them cross",
           "Być gotowym zwolnić i zatrzymać się, aby mógł przejść",
           "Bereit sein, langsamer zu fahren und anzuhalten, um ihn gehen zu lassen")},
        {T("Sound your horn to tell them to wait", "Użyć klaksonu, aby dać mu znak, że ma czekać",
           "Hupen, damit er wartet"),
         T("Wave them across the road", "Machnąć ręką, aby przeszedł",
           "Ihn über die Straße winken"),
         T("Speed up to pass before they step out",
           "Przyspieszyć, aby przejechać, zanim wejdzie na jezdnię",
           "Beschleunigen, um vorbei zu sein, bevor er losgeht"),
         T("Flash your headlights to hurry them", "Mrugnąć światłami, aby go ponaglić",
           "Mit der Lichthupe zur Eile drängen"),
         T("Overtake the vehicle in front on the zigzag lines",
           "Wyprzedzić poprzedzający pojazd na liniach zygzakowatych",
           "Das vorausfahrende Fahrzeug auf den Zickzacklinien überholen")},
        T("Look out for pedestrians waiting at zebra crossings. Be ready to slow down and stop, "
          "and give way once they have moved onto the crossing. Do not wave them across, as "
          "another vehicle may not stop.",
          "Zwracaj uwagę na pieszych czekających przy przejściu. Bądź gotów zwolnić i się "
          "zatrzymać oraz ustąp im pierwszeństwa, gdy wejdą na przejście. Nie zapraszaj ich "
          "gestem, bo inny pojazd może się nie zatrzymać.",
          "Achten Sie auf wartende Fußgänger an Zebrastreifen. Seien Sie bereit, langsamer zu "
          "fahren und anzuhalten, und gewähren Sie Vorrang, sobald sie den Überweg betreten. "
          "Winken Sie niemanden herüber, denn ein anderes Fahrzeug hält vielleicht nicht an."))};

  list << SceneTemplate{
      kSceneMotorwayJoin,
      Q(kAllCategories,
        T("You are travelling in the left-hand lane of this motorway. Traffic is joining from "
          "the slip road. What should you do?",
          "Jedziesz lewym pasem tej autostrady. Z łącznicy wjeżdżają pojazdy. Co powinieneś "
          "zrobić?",
          "Sie fahren auf dem linken Fahrstreifen dieser Autobahn. Von der Einfahrt fädeln "
          "Fahrzeuge ein. Was sollten Sie tun?"),
        {T("Adjust your speed or move to another lane, if it is safe, so that the traffic can "
           "join",
           "Dostosować prędkość lub zmienić pas, jeśli to bezpieczne, aby umożliwić włączenie "
           "się do ruchu",
           "Die Geschwindigkeit anpassen oder, wenn es sicher ist, den Fahrstreifen wechseln, "
           "damit der Verkehr einfädeln kann")},
        {T("Accelerate to stop them from joining", "Przyspieszyć, aby nie pozwolić im wjechać",
           "Beschleunigen, um das Einfädeln zu verhindern"),
         T("Stop in the left-hand lane to let them in",
           "Zatrzymać się na lewym pasie, aby ich wpuścić",
           "Auf dem linken Fahrstreifen anhalten, um sie hereinzulassen"),
         T("Sound your horn to warn them", "Użyć klaksonu, aby ich ostrzec",
           "Hupen, um sie zu warnen"),
         T("Move onto the hard shoulder", "Zjechać na pas awaryjny",
           "Auf den Seitenstreifen ausweichen"),
         T("Brake sharply in the left-hand lane", "Gwałtownie zahamować na lewym pasie",
           "Auf dem linken Fahrstreifen scharf bremsen")},
        T("Traffic on the motorway has priority, but you should help joining traffic by "
          "adjusting your speed or changing lanes when it is safe.",
          "Pojazdy na autostradzie mają pierwszeństwo, ale powinieneś ułatwić włączanie się do "
          "ruchu, dostosowując prędkość lub zmieniając pas, gdy jest to bezpieczne.",
          "Der Verkehr auf der Autobahn hat Vorrang, doch Sie sollten das Einfädeln "
          "erleichtern, indem Sie Ihre Geschwindigkeit anpassen oder den Fahrstreifen wechseln, "
          "wenn es sicher ist."))};

  list << SceneTemplate{
      kSceneCyclist,
      Q(kAllCategories,
        T("You want to overtake the cyclist ahead. What should you do?",
          "Chcesz wyprzedzić rowerzystę jadącego przed tobą. Co powinieneś zrobić?",
          "Sie möchten den Radfahrer vor Ihnen überholen. Was sollten Sie tun?"),
        {T("Give them at least as much room as you would give a car",
           "Zostawić mu co najmniej tyle miejsca, ile zostawiłbyś samochodowi",
           "Ihm mindestens so viel Platz lassen wie einem Auto")},
        {T("Pass as closely as you can to save time",
           "Wyprzedzić jak najbliżej, aby zaoszczędzić czas",
           "So dicht wie möglich vorbeifahren, um Zeit zu sparen"),
         T("Sound your horn as you pass", "Użyć klaksonu podczas wyprzedzania",
           "Beim Vorbeifahren hupen"),
         T("Follow closely until they move over", "Jechać tuż za nim, aż zjedzie na bok",
           "Dicht auffahren, bis er Platz macht"),
         T("Overtake on their left", "Wyprzedzić go z lewej strony", "Links an ihm vorbeifahren"),
         T("Overtake even if a vehicle is coming towards you",
           "Wyprzedzić, nawet jeśli z naprzeciwka nadjeżdża pojazd",
           "Auch bei Gegenverkehr überholen")},
        T("Cyclists may wobble or swerve to avoid potholes. Overtake only when it is safe and "
          "leave plenty of room.",
          "Rowerzysta może się zachwiać lub odbić, omijając dziury. Wyprzedzaj tylko wtedy, gdy "
          "jest to bezpieczne, i zachowaj duży odstęp.",
          "Radfahrer können schwanken oder Schlaglöchern ausweichen. Überholen Sie nur, wenn "
          "es sicher ist, und halten Sie reichlich Abstand."))};

  list << SceneTemplate{
      kSceneBoxJunction,
      Q(kAllCategories,
        T("You want to go straight on at this yellow box junction. When may you enter the box?",
          "Chcesz jechać prosto przez to skrzyżowanie z żółtą kratką. Kiedy możesz wjechać na "
          "kratkę?",
          "Sie möchten an dieser Kreuzung mit gelber Gittermarkierung geradeaus fahren. Wann "
          "dürfen Sie in die markierte Fläche einfahren?"),
        {T("Only when your exit road is clear",
           "Tylko wtedy, gdy droga, w którą wjeżdżasz, jest wolna",
           "Nur wenn Ihre Ausfahrt frei ist")},
        {T("Whenever the traffic lights are green", "Zawsze, gdy świeci się zielone światło",
           "Immer, wenn die Ampel grün zeigt"),
         T("When the vehicle in front has entered the box",
           "Gdy poprzedzający pojazd wjedzie na kratkę",
           "Wenn das vordere Fahrzeug eingefahren ist"),
         T("At any time if you are in a hurry", "W każdej chwili, jeśli się spieszysz",
           "Jederzeit, wenn Sie es eilig haben"),
         T("When you can stop inside the box", "Gdy możesz zatrzymać się wewnątrz kratki",
           "Wenn Sie in der Fläche anhalten können"),
         T("Only at night", "Tylko w nocy", "Nur nachts")},
        T("You must not enter a box junction unless your exit road or lane is clear. You may "
          "wait in the box when you want to turn right and only oncoming traffic stops you.",
          "Nie wolno wjeżdżać na skrzyżowanie z żółtą kratką, jeśli droga lub pas wyjazdowy nie "
          "jest wolny. Możesz czekać na kratce, gdy skręcasz w prawo i zatrzymują cię tylko "
          "pojazdy z naprzeciwka.",
          "Sie dürfen nur in eine gelb markierte Kreuzung einfahren, wenn Ihre Ausfahrt frei "
          "ist. Warten dürfen Sie darin nur, wenn Sie rechts abbiegen wollen und allein der "
          "Gegenverkehr Sie aufhält."))};

  list << SceneTemplate{
      kSceneRoundabout,
      Q(kAllCategories,
        T("You intend to turn right at this roundabout. How should you normally approach it?",
          "Zamierzasz skręcić w prawo na tym rondzie. Jak powinieneś zwykle do niego dojechać?",
          "Sie wollen an diesem Kreisverkehr nach rechts abbiegen. Wie sollten Sie sich ihm "
          "normalerweise nähern?"),
        {T("In the right-hand lane, signalling right", "Prawym pasem, sygnalizując skręt w prawo",
           "Auf dem rechten Fahrstreifen und rechts blinkend")},
        {T("In the left-hand lane, signalling left", "Lewym pasem, sygnalizując skręt w lewo",
           "Auf dem linken Fahrstreifen und links blinkend"),
         T("In the left-hand lane, without signalling", "Lewym pasem, bez sygnalizowania",
           "Auf dem linken Fahrstreifen ohne zu blinken"),
         T("In the right-hand lane, signalling left", "Prawym pasem, sygnalizując skręt w lewo",
           "Auf dem rechten Fahrstreifen und links blinkend"),
         T("Straddling both lanes", "Jadąc środkiem obu pasów", "Auf beiden Fahrstreifen zugleich"),
         T("In either lane, with hazard warning lights on",
           "Dowolnym pasem, z włączonymi światłami awaryjnymi",
           "Auf einem beliebigen Fahrstreifen mit Warnblinkanlage")},
        T("When turning right, normally approach in the right-hand lane, signal right and keep "
          "to the right on the roundabout until you need to change lanes to exit. Long vehicles "
          "may need a different course.",
          "Przy skręcie w prawo zwykle dojeżdżaj prawym pasem, sygnalizuj skręt w prawo i "
          "trzymaj się prawej strony ronda, aż będziesz zmieniać pas, aby zjechać. Długie "
          "pojazdy mogą potrzebować innego toru jazdy.",
          "Zum Rechtsabbiegen nähern Sie sich normalerweise auf dem rechten Fahrstreifen, "
          "blinken rechts und bleiben im Kreisverkehr rechts, bis Sie zum Ausfahren wechseln. "
          "Lange Fahrzeuge brauchen eventuell eine andere Fahrlinie."))};

  list << SceneTemplate{
      kSceneAmberLight,
      Q(kAllCategories,
        T("These traffic lights have just changed to amber as you approach. What must you do?",
          "Gdy zbliżasz się do tej sygnalizacji, światło właśnie zmieniło się na żółte. Co "
          "musisz zrobić?",
          "Die Ampel schaltet gerade auf Gelb, während Sie sich nähern. Was müssen Sie tun?"),
        {T("Stop, unless you have crossed the stop line or are so close that stopping might "
           "cause a crash",
           "Zatrzymać się, chyba że minąłeś już linię zatrzymania lub jesteś tak blisko, że "
           "zatrzymanie mogłoby spowodować wypadek",
           "Anhalten, außer Sie haben die Haltlinie schon überfahren oder sind so nah, dass ein "
           "Halt einen Unfall verursachen könnte")},
        {T("Accelerate to get through before the red light",
           "Przyspieszyć, aby przejechać przed czerwonym",
           "Beschleunigen, um vor Rot "
           "durchzukommen"),
         T("Carry on; amber means go", "Jechać dalej; żółte oznacza jazdę",
           "Weiterfahren; Gelb bedeutet fahren"),
         T("Sound your horn and continue", "Użyć klaksonu i jechać dalej",
           "Hupen und weiterfahren"),
         T("Stop beyond the stop line", "Zatrzymać się za linią zatrzymania",
           "Hinter der Haltlinie anhalten"),
         T("Turn left whatever the other traffic is doing", "Skręcić w lewo bez względu na innych",
           "Links abbiegen, egal was der übrige Verkehr tut")},
        T("Amber means stop at the stop line. You may go on only if you have already crossed "
          "the line or are so close that pulling up might cause a crash.",
          "Żółte światło oznacza zatrzymanie przed linią zatrzymania. Możesz jechać dalej tylko "
          "wtedy, gdy już ją minąłeś lub jesteś tak blisko, że hamowanie mogłoby spowodować "
          "wypadek.",
          "Gelb heißt: an der Haltlinie anhalten. Weiterfahren dürfen Sie nur, wenn Sie die "
          "Linie bereits überfahren haben oder so nah sind, dass ein Anhalten einen Unfall "
          "verursachen könnte."))};

  list << SceneTemplate{
      kSceneWetGap,
      Q(kAllCategories,
        T("It is raining and the road is wet. How big a gap should you leave to the vehicle in "
          "front?",
          "Pada deszcz i nawierzchnia jest mokra. Jaki odstęp powinieneś zachować od "
          "poprzedzającego pojazdu?",
          "Es regnet und die Fahrbahn ist nass. Wie viel Abstand sollten Sie zum "
          "vorausfahrenden Fahrzeug halten?"),
        {T("At least four seconds", "Co najmniej cztery sekundy", "Mindestens vier Sekunden")},
        {T("Two seconds", "Dwie sekundy", "Zwei Sekunden"),
         T("One second", "Jedna sekunda", "Eine Sekunde"),
         T("One vehicle length", "Długość jednego pojazdu", "Eine Fahrzeuglänge"),
         T("Three metres", "Trzy metry", "Drei Meter"),
         T("The same gap as on a dry road", "Taki sam jak na suchej nawierzchni",
           "Den gleichen wie auf trockener Fahrbahn")},
        T("Stopping distances at least double on wet roads, so double the two-second gap to at "
          "least four seconds.",
          "Na mokrej nawierzchni droga zatrzymania wydłuża się co najmniej dwukrotnie, dlatego "
          "podwój odstęp dwóch sekund do co najmniej czterech.",
          "Auf nasser Fahrbahn verdoppelt sich der Anhalteweg mindestens; verdoppeln Sie daher "
          "den Zwei-Sekunden-Abstand auf mindestens vier Sekunden."))};

  list << SceneTemplate{
      kSceneBusStop,
      Q(kAllCategories,
        T("The bus at the stop ahead is signalling to move off. What should you do?",
          "Autobus na przystanku przed tobą sygnalizuje zamiar ruszenia. Co powinieneś zrobić?",
          "Der Bus an der Haltestelle vor Ihnen zeigt an, dass er anfahren will. Was sollten "
          "Sie tun?"),
        {T("Give way to it if it is safe to do so", "Ustąpić mu, jeśli jest to bezpieczne",
           "Ihn anfahren lassen, wenn es gefahrlos möglich ist")},
        {T("Speed up to pass before it pulls out", "Przyspieszyć, aby go minąć, zanim ruszy",
           "Beschleunigen, um vorbei zu sein, bevor er losfährt"),
         T("Sound your horn and keep going", "Użyć klaksonu i jechać dalej",
           "Hupen und weiterfahren"),
         T("Flash your headlights to tell the driver to wait",
           "Mrugnąć światłami, aby kierowca poczekał",
           "Dem Fahrer mit der Lichthupe zeigen, dass er warten soll"),
         T("Overtake it without checking your mirrors", "Wyprzedzić go bez patrzenia w lusterka",
           "Ihn überholen, ohne in die Spiegel zu sehen"),
         T("Stop alongside it with your hazard lights on",
           "Zatrzymać się obok niego z włączonymi światłami awaryjnymi",
           "Mit Warnblinkanlage neben ihm anhalten")},
        T("Give way to buses signalling to pull out from stops, whenever you can do so safely.",
          "Ustępuj autobusom sygnalizującym ruszenie z przystanku, o ile możesz to zrobić "
          "bezpiecznie.",
          "Lassen Sie Busse, die das Anfahren von einer Haltestelle anzeigen, anfahren, wann "
          "immer das gefahrlos möglich ist."))};

  list << SceneTemplate{
      kSceneLevelCrossing,
      Q(kAllCategories,
        T("The red lights at this level crossing start to flash. What must you do?",
          "Czerwone światła na tym przejeździe kolejowym zaczynają migać. Co musisz zrobić?",
          "An diesem Bahnübergang beginnen die roten Lichter zu blinken. Was müssen Sie tun?"),
        {T("Stop behind the white line and wait", "Zatrzymać się przed białą linią i czekać",
           "Vor der weißen Linie anhalten und warten")},
        {T("Speed up and cross quickly", "Przyspieszyć i szybko przejechać",
           "Beschleunigen und schnell hinüberfahren"),
         T("Zigzag around the barriers", "Objechać zapory slalomem",
           "Um die Schranken herumfahren"),
         T("Stop on the crossing", "Zatrzymać się na przejeździe", "Auf dem Bahnübergang anhalten"),
         T("Sound your horn and carry on", "Użyć klaksonu i jechać dalej",
           "Hupen und weiterfahren"),
         T("Cross if no train is in sight", "Przejechać, jeśli nie widać pociągu",
           "Hinüberfahren, wenn kein Zug zu sehen ist")},
        T("Flashing red lights mean you must stop. Keep waiting if a train passes and the "
          "lights go on flashing, because another train may be coming.",
          "Migające czerwone światła oznaczają, że musisz się zatrzymać. Czekaj dalej, jeśli po "
          "przejeździe pociągu światła nadal migają, bo może nadjeżdżać następny.",
          "Blinkendes Rot bedeutet: Halt. Warten Sie weiter, wenn nach einem Zug die Lichter "
          "weiter blinken, denn es kann ein weiterer Zug kommen."))};

  list << SceneTemplate{
      kSceneParkedCars,
      Q(kAllCategories,
        T("There are parked vehicles on your side of the road and a vehicle is coming towards "
          "you. What should you do?",
          "Po twojej stronie drogi stoją zaparkowane pojazdy, a z naprzeciwka nadjeżdża "
          "samochód. Co powinieneś zrobić?",
          "Auf Ihrer Straßenseite parken Fahrzeuge, und Ihnen kommt ein Fahrzeug entgegen. Was "
          "sollten Sie tun?"),
        {T("Give way to the oncoming vehicle", "Ustąpić pierwszeństwa pojazdowi z naprzeciwka",
           "Dem entgegenkommenden Fahrzeug den Vorrang lassen")},
        {T("Keep going; you have priority", "Jechać dalej; masz pierwszeństwo",
           "Weiterfahren; Sie haben Vorrang"),
         T("Flash your headlights and drive through", "Mrugnąć światłami i przejechać",
           "Lichthupe geben und durchfahren"),
         T("Accelerate to get past first", "Przyspieszyć, aby przejechać pierwszy",
           "Beschleunigen, um zuerst vorbeizukommen"),
         T("Drive on the pavement to get past", "Wjechać na chodnik, aby przejechać",
           "Über den Gehweg ausweichen"),
         T("Sound your horn so that they stop", "Użyć klaksonu, aby się zatrzymał",
           "Hupen, damit es anhält")},
        T("When the obstruction is on your side of the road, give way to oncoming traffic. Wait "
          "in a safe position with a good view ahead.",
          "Gdy przeszkoda jest po twojej stronie drogi, ustąp pierwszeństwa pojazdom z "
          "naprzeciwka. Czekaj w bezpiecznym miejscu z dobrym widokiem do przodu.",
          "Befindet sich das Hindernis auf Ihrer Seite, lassen Sie dem Gegenverkehr den "
          "Vorrang. Warten Sie an einer sicheren Stelle mit guter Sicht nach vorn."))};
  return list;
}

}  // namespace

const QVector<QuestionTemplate>& textTemplates() {
  static const QVector<QuestionTemplate> list = buildTextTemplates();
  return list;
}

const QVector<SceneTemplate>& sceneTemplates() {
  static const QVector<SceneTemplate> list = buildSceneTemplates();
  return list;
}

Tri signMeaning(SignId sign) {
  switch (sign) {
    case kCrossroads:
      return T("Crossroads ahead", "Skrzyżowanie dróg", "Kreuzung voraus");
    case kTJunction:
      return T("T-junction ahead", "Skrzyżowanie w kształcie litery T", "Einmündung voraus");
    case kBendRight:
      return T("Bend to the right", "Niebezpieczny zakręt w prawo", "Rechtskurve");
    case kRoundaboutAhead:
      return T("Roundabout ahead", "Uwaga, rondo", "Kreisverkehr voraus");
    case kPedestrians:
      return T("Pedestrians in the road ahead", "Piesi na jezdni", "Fußgänger auf der Fahrbahn");
    case kChildren:
      return T("Children going to or from school", "Dzieci w drodze do szkoły lub ze szkoły",
               "Kinder auf dem Schulweg");
    case kRoadNarrows:
      return T("Road narrows on both sides", "Zwężenie jezdni z obu stron",
               "Beidseitig verengte Fahrbahn");
    case kTrafficSignals:
      return T("Traffic signals ahead", "Sygnalizacja świetlna", "Ampel voraus");
    case kSteepHill:
      return T("Steep hill downwards", "Niebezpieczny spadek", "Starkes Gefälle");
    case kUnevenRoad:
      return T("Uneven road", "Nierówna droga", "Unebene Fahrbahn");
    case kTwoWayTraffic:
      return T("Two-way traffic straight ahead", "Ruch dwukierunkowy", "Gegenverkehr");
    case kCycleRoute:
      return T("Cycle route ahead", "Rowerzyści", "Radverkehr");
    case kNoEntry:
      return T("No entry for vehicular traffic", "Zakaz wjazdu", "Verbot der Einfahrt");
    case kStop:
      return T("Stop and give way", "Zatrzymaj się i ustąp pierwszeństwa",
               "Halt und Vorfahrt gewähren");
    case kGiveWay:
      return T("Give way to traffic on the major road",
               "Ustąp pierwszeństwa pojazdom na drodze głównej",
               "Vorfahrt auf der Hauptstraße gewähren");
    case kSpeed20:
    case kSpeed30:
    case kSpeed40:
    case kSpeed50:
      return arg(T("Maximum speed %1", "Ograniczenie prędkości do %1", "Höchstgeschwindigkeit %1"),
                 mph(20 + 10 * (sign - kSpeed20)));
    case kNationalLimit:
      return T("National speed limit applies", "Obowiązuje krajowe ograniczenie prędkości",
               "Es gilt die allgemeine Höchstgeschwindigkeit");
    case kNoOvertaking:
      return T("No overtaking", "Zakaz wyprzedzania", "Überholverbot");
    case kNoCycling:
      return T("No cycling", "Zakaz wjazdu rowerów", "Verbot für Radfahrer");
    case kNoRightTurn:
      return T("No right turn", "Zakaz skręcania w prawo", "Rechtsabbiegen verboten");
    case kNoUTurn:
      return T("No U-turns", "Zakaz zawracania", "Wenden verboten");
    case kWeightLimit:
      return T("No goods vehicles over 7.5 tonnes",
               "Zakaz wjazdu pojazdów ciężarowych o masie powyżej 7,5 t",
               "Verbot für Lkw über 7,5 t");
    case kWidthLimit:
      return T(R"(No vehicles wider than 6' 6" (2 m))",
               R"(Zakaz wjazdu pojazdów szerszych niż 6' 6" (2 m))",
               R"(Verbot für Fahrzeuge breiter als 6' 6" (2 m))");
    case kNoStopping:
      return T("No stopping (clearway)", "Zakaz zatrzymywania się", "Absolutes Halteverbot");
    case kNoWaiting:
      return T("No waiting", "Zakaz postoju", "Eingeschränktes Halteverbot");
    case kAheadOnly:
      return T("Ahead only", "Nakaz jazdy prosto", "Vorgeschriebene Fahrtrichtung geradeaus");
    case kTurnLeft:
      return T("Turn left ahead", "Nakaz skrętu w lewo", "Vorgeschriebene Fahrtrichtung links");
    case kKeepLeft:
      return T("Keep left", "Nakaz jazdy z lewej strony znaku", "Links vorbeifahren");
    case kMiniRoundabout:
      return T("Mini-roundabout", "Mini-rondo", "Minikreisverkehr");
    case kCyclesOnly:
      return T("Route for pedal cycles only", "Droga dla rowerów", "Radweg");
    case kMotorway:
      return T("Start of motorway", "Początek autostrady", "Beginn der Autobahn");
    case kHospital:
      return T("Hospital", "Szpital", "Krankenhaus");
    case kParking:
      return T("Parking place", "Parking", "Parkplatz");
    case kOneWay:
      return T("One-way traffic", "Droga jednokierunkowa", "Einbahnstraße");
    case kNoThroughRoad:
      return T("No through road", "Droga bez przejazdu", "Sackgasse");
    case kCountdown:
      return T("Countdown marker: 300 yards to the exit",
               "Tablica odliczająca: 300 jardów do zjazdu",
               "Ankündigungsbake: 300 Yards bis zur Ausfahrt");
    case kLightRed:
      return T("Stop and wait behind the stop line",
               "Zatrzymaj się i czekaj przed linią zatrzymania",
               "Halten und hinter der Haltlinie warten");
    case kLightRedAmber:
      return T("Stop; do not go until green shows",
               "Stój; nie ruszaj, dopóki nie zapali się zielone", "Halten; erst bei Grün fahren");
    case kLightGreen:
      return T("Go on if the way is clear", "Możesz jechać, jeśli droga jest wolna",
               "Fahren, wenn der Weg frei ist");
    case kLightAmber:
      return T("Stop, unless it is unsafe to do so",
               "Zatrzymaj się, chyba że byłoby to niebezpieczne",
               "Halten, außer es wäre gefährlich");
    case kSignCount:
      break;
  }
  return Tri{};
}

Tri signGroupNote(SignGroup group) {
  switch (group) {
    case SignGroup::Warning:
      return T("Triangular signs with a red border warn you of a hazard ahead.",
               "Trójkątne znaki z czerwoną obwódką ostrzegają przed niebezpieczeństwem.",
               "Dreieckige Zeichen mit rotem Rand warnen vor einer Gefahr.");
    case SignGroup::Order:
      return T(
          "Circular signs give orders. Red rings mostly tell you what you must not do; "
          "blue circles tell you what you must do.",
          "Okrągłe znaki wyrażają nakazy lub zakazy. Czerwona obwódka oznacza zwykle "
          "zakaz, niebieskie tło – nakaz.",
          "Runde Zeichen sind Vorschriftzeichen. Ein roter Rand bedeutet meist ein Verbot, "
          "ein blauer Grund ein Gebot.");
    case SignGroup::Information:
      return T(
          "Rectangular signs give information, for example about places, routes and "
          "facilities.",
          "Prostokątne znaki przekazują informacje, na przykład o miejscach, trasach i "
          "udogodnieniach.",
          "Rechteckige Zeichen geben Hinweise, etwa auf Orte, Strecken und Einrichtungen.");
    case SignGroup::Light:
      return T(
          "The sequence of traffic lights is red, red and amber, green, amber, then red "
          "again.",
          "Kolejność świateł to: czerwone, czerwone z żółtym, zielone, żółte i znów "
          "czerwone.",
          "Die Ampelfolge lautet Rot, Rot-Gelb, Grün, Gelb und wieder Rot.");
  }
  return Tri{};
}

Tri signQuestion(int variant) {
  if (variant % 2 == 0) {
    return T("What does this sign mean?", "Co oznacza ten znak?", "Was bedeutet dieses Zeichen?");
  }
  return T("You see this sign ahead. What does it mean?",
           "Widzisz przed sobą ten znak. Co on "
           "oznacza?",
           "Sie sehen dieses Zeichen vor sich. Was bedeutet es?");
}

Tri lightQuestion() {
  return T("What does this traffic light mean?", "Co oznacza ten sygnał świetlny?",
           "Was bedeutet dieses Lichtzeichen?");
}

Tri whichSignMeans(const Tri& meaning) {
  return arg(T(R"(Which sign means "%1"?)", R"(Który znak oznacza "%1"?)",
               R"(Welches Zeichen bedeutet "%1"?)"),
             meaning);
}

Tri whichSignsOfGroup(SignGroup group) {
  switch (group) {
    case SignGroup::Warning:
      return T("Which of these signs warn you of a hazard ahead?",
               "Które z tych znaków ostrzegają przed niebezpieczeństwem?",
               "Welche dieser Zeichen warnen vor einer Gefahr?");
    case SignGroup::Order:
      return T("Which of these signs give orders?",
               "Które z tych znaków wyrażają nakazy lub zakazy?",
               "Welche dieser Zeichen sind Vorschriftzeichen?");
    case SignGroup::Information:
      return T("Which of these signs give information?",
               "Które z tych znaków mają charakter informacyjny?",
               "Welche dieser Zeichen sind Hinweiszeichen?");
    case SignGroup::Light:
      break;
  }
  return whichLightMeansGo();
}

Tri whichLightMeansGo() {
  return T("Which traffic light means you may go on if the way is clear?",
           "Który sygnał świetlny oznacza, że możesz jechać, jeśli droga jest wolna?",
           "Bei welchem Lichtzeichen dürfen Sie fahren, wenn der Weg frei ist?");
}

Tri thisSignMeansNote(const Tri& meaning, SignGroup group) {
  const Tri pattern =
      group == SignGroup::Light
          ? T("This light means: %1.", "Ten sygnał oznacza: %1.",
              "Dieses Lichtzeichen bedeutet: %1.")
          : T("This sign means: %1.", "Ten znak oznacza: %1.", "Dieses Zeichen bedeutet: %1.");
  const Tri first = arg(pattern, meaning);
  const Tri second = signGroupNote(group);
  return Tri{first.en + QLatin1Char(' ') + second.en, first.pl + QLatin1Char(' ') + second.pl,
             first.de + QLatin1Char(' ') + second.de};
}

Tri samplePrefix() {
  return T("[Sample] ", "[Przykład] ", "[Beispiel] ");
}

Tri headerLine(const QString& categoryCode) {
  return arg(T("Roadquiz 2015 sample question bank, category %1. Sample content only: replace "
               "this file with the licensed bank file.",
               "Przykładowa baza pytań Roadquiz 2015, kategoria %1. Wyłącznie treści "
               "przykładowe: zastąp ten plik licencjonowanym plikiem bazy pytań.",
               "Beispiel-Fragenkatalog von Roadquiz 2015, Klasse %1. Nur Beispielinhalte: "
               "Ersetzen Sie diese Datei durch die lizenzierte Fragendatei."),
             Tri{categoryCode, categoryCode, categoryCode});
}

}  // namespace samplegen
