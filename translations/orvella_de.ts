<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>orvella::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
</context>
<context>
    <name>orvella::BirthDateLists</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>orvella::Correspondences</name>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Gray or Silver</source>
        <translation>Grau oder Silber</translation>
    </message>
    <message>
        <source>Musk</source>
        <translation>Moschus</translation>
    </message>
    <message>
        <source>Wisdom, Revelation</source>
        <translation>Weisheit, Offenbarung</translation>
    </message>
    <message>
        <source>The Kings</source>
        <translation>Die Könige</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Pine or Juniper</source>
        <translation>Kiefer oder Wacholder</translation>
    </message>
    <message>
        <source>Understanding, Intelligence, Reason</source>
        <translation>Verstehen, Intelligenz, Vernunft</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>The Queens</source>
        <translation>Die Königinnen</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Oak</source>
        <translation>Eiche</translation>
    </message>
    <message>
        <source>Love, Kindness, Mercy</source>
        <translation>Liebe, Güte, Gnade</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Zinn</translation>
    </message>
    <message>
        <source>The Fours</source>
        <translation>Die Vieren</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Cedar</source>
        <translation>Zeder</translation>
    </message>
    <message>
        <source>Restraint, Justice</source>
        <translation>Strenge, Gerechtigkeit</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>The Fives</source>
        <translation>Die Fünfen</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Gold or Yellow</source>
        <translation>Gold oder Gelb</translation>
    </message>
    <message>
        <source>Laurel</source>
        <translation>Lorbeer</translation>
    </message>
    <message>
        <source>Beauty, Equilibirum</source>
        <translation>Schönheit, Gleichgewicht</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>The Sixes</source>
        <translation>Die Sechsen</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7.</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Myrtle</source>
        <translation>Myrte</translation>
    </message>
    <message>
        <source>Victory, Endurance, Prophecy, Eternity</source>
        <translation>Sieg, Ausdauer, Prophetie, Ewigkeit</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>The Sevens</source>
        <translation>Die Siebenen</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8.</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Purple, Brown</source>
        <translation>Purpur, Braun</translation>
    </message>
    <message>
        <source>Hazelwood</source>
        <translation>Haselholz</translation>
    </message>
    <message>
        <source>Splendour, Truthfulness, Communication</source>
        <translation>Glanz, Wahrhaftigkeit, Mitteilung</translation>
    </message>
    <message>
        <source>Mercury/ Quicksilver</source>
        <translation>Merkur/ Quecksilber</translation>
    </message>
    <message>
        <source>The Eights</source>
        <translation>Die Achten</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9.</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Willow</source>
        <translation>Weide</translation>
    </message>
    <message>
        <source>Foundation, Passion, Truth</source>
        <translation>Grundlage, Leidenschaft, Wahrheit</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>The Nines</source>
        <translation>Die Neunen</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10.</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Kingdom, Beginnings</source>
        <translation>Königreich, Anfänge</translation>
    </message>
    <message>
        <source>The Tens</source>
        <translation>Die Zehnen</translation>
    </message>
    <message>
        <source>Path Of Ayin</source>
        <translation>Pfad Ayin</translation>
    </message>
    <message>
        <source>Ayin, which means eye</source>
        <translation>Ayin, das heißt Auge</translation>
    </message>
    <message>
        <source>Renovating intelligence</source>
        <translation>Erneuernde Intelligenz</translation>
    </message>
    <message>
        <source>The Devil</source>
        <translation>Der Teufel</translation>
    </message>
    <message>
        <source>Need, Help, Resistance, Love</source>
        <translation>Not, Hilfe, Widerstand, Liebe</translation>
    </message>
    <message>
        <source>Nornir,Etins</source>
        <translation>Nornen,Riesen</translation>
    </message>
    <message>
        <source>Path Of Tzaddi</source>
        <translation>Pfad Tzaddi</translation>
    </message>
    <message>
        <source>Tzaddi, which means hook.</source>
        <translation>Tzaddi, das heißt Angelhaken.</translation>
    </message>
    <message>
        <source>Uranus / Saturn</source>
        <translation>Uranus / Saturn</translation>
    </message>
    <message>
        <source>Constituting Intelligence</source>
        <translation>Begründende Intelligenz</translation>
    </message>
    <message>
        <source>The Star</source>
        <translation>Der Stern</translation>
    </message>
    <message>
        <source>Fluidity, Life Force, Birth</source>
        <translation>Fließen, Lebenskraft, Geburt</translation>
    </message>
    <message>
        <source>Deep Green</source>
        <translation>Tiefgrün</translation>
    </message>
    <message>
        <source>Njord,Balder</source>
        <translation>Njord,Balder</translation>
    </message>
    <message>
        <source>Path Of Qoph</source>
        <translation>Pfad Qoph</translation>
    </message>
    <message>
        <source>Qoph, which means back of the head</source>
        <translation>Qoph, das heißt Hinterkopf</translation>
    </message>
    <message>
        <source>Corporeal Intelligence</source>
        <translation>Körperliche Intelligenz</translation>
    </message>
    <message>
        <source>Buff</source>
        <translation>Lederfarben</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>Der Mond</translation>
    </message>
    <message>
        <source>Ancestry, Prosperity, Inheritance, Family</source>
        <translation>Herkunft, Wohlstand, Erbe, Familie</translation>
    </message>
    <message>
        <source>Deep Yellow</source>
        <translation>Tiefgelb</translation>
    </message>
    <message>
        <source>Odin,Thor</source>
        <translation>Odin,Thor</translation>
    </message>
    <message>
        <source>Path Of He</source>
        <translation>Pfad He</translation>
    </message>
    <message>
        <source>Heh, which means window</source>
        <translation>He, das heißt Fenster</translation>
    </message>
    <message>
        <source>Natural intelligence</source>
        <translation>Natürliche Intelligenz</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>The Emperor</source>
        <translation>Der Herrscher</translation>
    </message>
    <message>
        <source>Protection, Action, Destruction, Willpower</source>
        <translation>Schutz, Tat, Zerstörung, Willenskraft</translation>
    </message>
    <message>
        <source>Bright Red</source>
        <translation>Leuchtendrot</translation>
    </message>
    <message>
        <source>Thor</source>
        <translation>Thor</translation>
    </message>
    <message>
        <source>Path Of Vau</source>
        <translation>Pfad Vau</translation>
    </message>
    <message>
        <source>Vau, which means nail</source>
        <translation>Vau, das heißt Nagel</translation>
    </message>
    <message>
        <source>Triumphal intelligence</source>
        <translation>Triumphierende Intelligenz</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>The Hierophant</source>
        <translation>Der Hierophant</translation>
    </message>
    <message>
        <source>Rhythm, Movement, Travel, Spiritual</source>
        <translation>Rhythmus, Bewegung, Reise, Geistiges</translation>
    </message>
    <message>
        <source>Forseti</source>
        <translation>Forseti</translation>
    </message>
    <message>
        <source>Path Of Zaini</source>
        <translation>Pfad Zain</translation>
    </message>
    <message>
        <source>Zain, which means sword or the male sex organ</source>
        <translation>Zain, das heißt Schwert oder männliches Glied</translation>
    </message>
    <message>
        <source>Disposing intelligence</source>
        <translation>Ordnende Intelligenz</translation>
    </message>
    <message>
        <source>Mauve</source>
        <translation>Malvenfarben</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>The Lovers</source>
        <translation>Die Liebenden</translation>
    </message>
    <message>
        <source>Duality, Movement, Partnership, Interaction, Harmony</source>
        <translation>Dualität, Bewegung, Partnerschaft, Wechselwirkung, Harmonie</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Freya,Freyr,Aclis</source>
        <translation>Freya,Freyr,Aclis</translation>
    </message>
    <message>
        <source>Path Of Cheth</source>
        <translation>Pfad Cheth</translation>
    </message>
    <message>
        <source>Cheth, which means chariot</source>
        <translation>Cheth, das heißt Wagen</translation>
    </message>
    <message>
        <source>Influencing Intelligence</source>
        <translation>Einwirkende Intelligenz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Rotbraun</translation>
    </message>
    <message>
        <source>The Chariot</source>
        <translation>Der Wagen</translation>
    </message>
    <message>
        <source>Knowledge, Fire, Guiding Light, Fertility</source>
        <translation>Wissen, Feuer, Leitlicht, Fruchtbarkeit</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>Freya,Dwarves</source>
        <translation>Freya,Zwerge</translation>
    </message>
    <message>
        <source>Path Of Teth</source>
        <translation>Pfad Teth</translation>
    </message>
    <message>
        <source>Teth, which means coiled serpent</source>
        <translation>Teth, das heißt eingerollte Schlange</translation>
    </message>
    <message>
        <source>Spiritual Intelligence</source>
        <translation>Geistige Intelligenz</translation>
    </message>
    <message>
        <source>Deep purple</source>
        <translation>Tiefviolett</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Die Kraft</translation>
    </message>
    <message>
        <source>Joy, Pleasure, Hope, Fellowship</source>
        <translation>Freude, Genuss, Hoffnung, Gemeinschaft</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Freyr,Elves</source>
        <translation>Freyr,Elfen</translation>
    </message>
    <message>
        <source>Path Of Yod</source>
        <translation>Pfad Yod</translation>
    </message>
    <message>
        <source>Yod, which means sperm of God.</source>
        <translation>Yod, das heißt Same Gottes.</translation>
    </message>
    <message>
        <source>Willful Intelligence</source>
        <translation>Intelligenz des Willens</translation>
    </message>
    <message>
        <source>Slate gray</source>
        <translation>Schiefergrau</translation>
    </message>
    <message>
        <source>The Hermit</source>
        <translation>Der Eremit</translation>
    </message>
    <message>
        <source>Constraint, Massive Force, Gradual Integration, Delay</source>
        <translation>Zwang, gewaltige Kraft, allmähliche Eingliederung, Aufschub</translation>
    </message>
    <message>
        <source>Rime Thurses</source>
        <translation>Reifriesen</translation>
    </message>
    <message>
        <source>Path Of Lamed</source>
        <translation>Pfad Lamed</translation>
    </message>
    <message>
        <source>Lamed, which means to teach.</source>
        <translation>Lamed, das heißt lehren.</translation>
    </message>
    <message>
        <source>Faithful Intelligence</source>
        <translation>Getreue Intelligenz</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Die Gerechtigkeit</translation>
    </message>
    <message>
        <source>Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty</source>
        <translation>Gerechtigkeit, Ordnung, Sieg, Beistand, Selbstopfer, Glaube, Treue</translation>
    </message>
    <message>
        <source>Tyr,Mani</source>
        <translation>Tyr,Mani</translation>
    </message>
    <message>
        <source>Path Of Nun</source>
        <translation>Pfad Nun</translation>
    </message>
    <message>
        <source>Nun, which means fish.</source>
        <translation>Nun, das heißt Fisch.</translation>
    </message>
    <message>
        <source>Imaginative Intelligence</source>
        <translation>Bildende Intelligenz</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Der Tod</translation>
    </message>
    <message>
        <source>Rebirth, Knowledge, Communication, Justice</source>
        <translation>Wiedergeburt, Wissen, Mitteilung, Gerechtigkeit</translation>
    </message>
    <message>
        <source>Dark Blue,Light Red</source>
        <translation>Dunkelblau,Hellrot</translation>
    </message>
    <message>
        <source>Odin,Freya,Dwarves</source>
        <translation>Odin,Freya,Zwerge</translation>
    </message>
    <message>
        <source>Path Of Samekh</source>
        <translation>Pfad Samekh</translation>
    </message>
    <message>
        <source>Samekh, which means trust and closeness.</source>
        <translation>Samekh, das heißt Vertrauen und Nähe.</translation>
    </message>
    <message>
        <source>Tentative Intelligence</source>
        <translation>Prüfende Intelligenz</translation>
    </message>
    <message>
        <source>Temperance</source>
        <translation>Die Mäßigkeit</translation>
    </message>
    <message>
        <source>Light, Enlightenment, Polarity, Awakening, Intuition, Well being</source>
        <translation>Licht, Erleuchtung, Polarität, Erwachen, Intuition, Wohlbefinden</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Odin,Ostara</source>
        <translation>Odin,Ostara</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
</context>
<context>
    <name>orvella::PrinterRefusal</name>
    <message>
        <source>No printer is available.</source>
        <translation>Es ist kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available any more.</source>
        <translation>Der Drucker „%1“ ist nicht mehr verfügbar.</translation>
    </message>
    <message>
        <source>The printer is stopped or reports an error, and does not take jobs.</source>
        <translation>Der Drucker ist angehalten oder meldet einen Fehler und nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or reports an error, and does not take jobs.</source>
        <translation>Der Drucker „%1“ ist angehalten oder meldet einen Fehler und nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer has stopped and does not take jobs.</source>
        <translation>Der Drucker ist angehalten und nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has stopped and does not take jobs.</source>
        <translation>Der Drucker „%1“ ist angehalten und nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer does not accept jobs now.</source>
        <translation>Der Drucker nimmt zurzeit keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs now.</source>
        <translation>Der Drucker „%1“ nimmt zurzeit keine Aufträge an.</translation>
    </message>
</context>
<context>
    <name>orvella::Reading</name>
    <message>
        <source>Connecting path between %1 and %2</source>
        <translation>Verbindungspfad zwischen %1 und %2</translation>
    </message>
</context>
<context>
    <name>orvella::ReadingPanes</name>
    <message>
        <source>Tarot Cards Associated With Sephiroths</source>
        <translation>Tarotkarten der Sephiroth</translation>
    </message>
    <message>
        <source>First sphere, Tarot Cards Associated With Sephiroths</source>
        <translation>Erste Sphäre, Tarotkarten der Sephiroth</translation>
    </message>
    <message>
        <source>First sphere, About the card</source>
        <translation>Erste Sphäre, über die Karte</translation>
    </message>
    <message>
        <source>Card of the first sphere</source>
        <translation>Karte der ersten Sphäre</translation>
    </message>
    <message>
        <source>Sphere Sign</source>
        <translation>Zeichen der Sphäre</translation>
    </message>
    <message>
        <source>Position In Tree Of Life</source>
        <translation>Stellung im Lebensbaum</translation>
    </message>
    <message>
        <source>Color </source>
        <translation>Farbe </translation>
    </message>
    <message>
        <source>First sphere, Sphere Sign</source>
        <translation>Erste Sphäre, Zeichen der Sphäre</translation>
    </message>
    <message>
        <source>First sphere, Position In Tree Of Life</source>
        <translation>Erste Sphäre, Stellung im Lebensbaum</translation>
    </message>
    <message>
        <source>First sphere, Color</source>
        <translation>Erste Sphäre, Farbe</translation>
    </message>
    <message>
        <source>Archangel</source>
        <translation>Erzengel</translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation>Glückstag</translation>
    </message>
    <message>
        <source>First sphere, Archangel</source>
        <translation>Erste Sphäre, Erzengel</translation>
    </message>
    <message>
        <source>First sphere, Lucky Day</source>
        <translation>Erste Sphäre, Glückstag</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>First sphere, Wood</source>
        <translation>Erste Sphäre, Holz</translation>
    </message>
    <message>
        <source>First sphere, Metal</source>
        <translation>Erste Sphäre, Metall</translation>
    </message>
    <message>
        <source>Planetary Ruler</source>
        <translation>Planetenherrscher</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Schlüsselwort</translation>
    </message>
    <message>
        <source>First sphere, Planetary Ruler</source>
        <translation>Erste Sphäre, Planetenherrscher</translation>
    </message>
    <message>
        <source>Splendour, Truthfulness, Communication</source>
        <translation>Glanz, Wahrhaftigkeit, Mitteilung</translation>
    </message>
    <message>
        <source>First sphere, Keyword</source>
        <translation>Erste Sphäre, Schlüsselwort</translation>
    </message>
    <message>
        <source>First sphere</source>
        <translation>Erste Sphäre</translation>
    </message>
    <message>
        <source>About Your Archangel</source>
        <translation>Über Ihren Erzengel</translation>
    </message>
    <message>
        <source>First sphere, About the sphere</source>
        <translation>Erste Sphäre, über die Sphäre</translation>
    </message>
    <message>
        <source>First sphere, About Your Archangel</source>
        <translation>Erste Sphäre, über Ihren Erzengel</translation>
    </message>
    <message>
        <source>Tarot Cards Associated With The Sephiroths</source>
        <translation>Tarotkarten der Sephiroth</translation>
    </message>
    <message>
        <source>Second sphere, Tarot Cards Associated With The Sephiroths</source>
        <translation>Zweite Sphäre, Tarotkarten der Sephiroth</translation>
    </message>
    <message>
        <source>Second sphere, About the card</source>
        <translation>Zweite Sphäre, über die Karte</translation>
    </message>
    <message>
        <source>Card of the second sphere</source>
        <translation>Karte der zweiten Sphäre</translation>
    </message>
    <message>
        <source>Second sphere, Sphere Sign</source>
        <translation>Zweite Sphäre, Zeichen der Sphäre</translation>
    </message>
    <message>
        <source>Second sphere, Position In Tree Of Life</source>
        <translation>Zweite Sphäre, Stellung im Lebensbaum</translation>
    </message>
    <message>
        <source>Second sphere, Color</source>
        <translation>Zweite Sphäre, Farbe</translation>
    </message>
    <message>
        <source>Second sphere, Archangel</source>
        <translation>Zweite Sphäre, Erzengel</translation>
    </message>
    <message>
        <source>Second sphere, Lucky Day</source>
        <translation>Zweite Sphäre, Glückstag</translation>
    </message>
    <message>
        <source>Second sphere, Wood</source>
        <translation>Zweite Sphäre, Holz</translation>
    </message>
    <message>
        <source>Second sphere, Metal</source>
        <translation>Zweite Sphäre, Metall</translation>
    </message>
    <message>
        <source>Second sphere, Keyword</source>
        <translation>Zweite Sphäre, Schlüsselwort</translation>
    </message>
    <message>
        <source>Second sphere, Planetary Ruler</source>
        <translation>Zweite Sphäre, Planetenherrscher</translation>
    </message>
    <message>
        <source>Second sphere</source>
        <translation>Zweite Sphäre</translation>
    </message>
    <message>
        <source>Second sphere, About the sphere</source>
        <translation>Zweite Sphäre, über die Sphäre</translation>
    </message>
    <message>
        <source>Second sphere, About Your Archangel</source>
        <translation>Zweite Sphäre, über Ihren Erzengel</translation>
    </message>
    <message>
        <source>Card of the path</source>
        <translation>Karte des Pfades</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>More About Tarot Card</source>
        <translation>Mehr über die Tarotkarte</translation>
    </message>
    <message>
        <source>About the path</source>
        <translation>Über den Pfad</translation>
    </message>
    <message>
        <source>Tarot Cards Associated With The Path</source>
        <translation>Tarotkarte des Pfades</translation>
    </message>
    <message>
        <source>Hebrew Letter</source>
        <translation>Hebräischer Buchstabe</translation>
    </message>
    <message>
        <source>Zain, which means sword or the male sex organ</source>
        <translation>Zain, das heißt Schwert oder männliches Glied</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>Corresponding Planet</source>
        <translation>Zugehöriger Planet</translation>
    </message>
    <message>
        <source>Yetsiratic Attribution</source>
        <translation>Jeziratische Zuordnung</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Corresponding Rune Stone</source>
        <translation>Zugehöriger Runenstein</translation>
    </message>
    <message>
        <source>Alternative Names</source>
        <translation>Andere Namen</translation>
    </message>
    <message>
        <source>Picture of the rune stone</source>
        <translation>Bild des Runensteins</translation>
    </message>
    <message>
        <source>Favorable Color</source>
        <translation>Günstige Farbe</translation>
    </message>
    <message>
        <source>Nordic God</source>
        <translation>Nordische Götter</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>About the rune stone</source>
        <translation>Über den Runenstein</translation>
    </message>
    <message>
        <source>Sun sign</source>
        <translation>Sonnenzeichen</translation>
    </message>
    <message>
        <source>About your sun sign</source>
        <translation>Über Ihr Sonnenzeichen</translation>
    </message>
    <message>
        <source>Path Associated With Your Sun Sign</source>
        <translation>Pfad Ihres Sonnenzeichens</translation>
    </message>
    <message>
        <source>Path of Samekh</source>
        <translation>Pfad Samekh</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Sphäre</translation>
    </message>
    <message>
        <source>About the sphere</source>
        <translation>Über die Sphäre</translation>
    </message>
    <message>
        <source>Move Your Mouse Over The Sephiroths To Know More About Sephiroths</source>
        <translation>Mit der Maus auf eine Sephira zeigen, um mehr zu erfahren</translation>
    </message>
    <message>
        <source>Sephiroths and Tarot Cards</source>
        <translation>Sephiroth und Tarotkarten</translation>
    </message>
    <message>
        <source>Rune Stone and Tarot Card of Path of Sun Sign</source>
        <translation>Runenstein und Tarotkarte des Pfades Ihres Zeichens</translation>
    </message>
    <message>
        <source>Sephiroths and Sun Sign</source>
        <translation>Sephiroth und Sonnenzeichen</translation>
    </message>
</context>
<context>
    <name>orvella::ReportComposition</name>
    <message>
        <source>About Your Archangel :- </source>
        <translation>Über Ihren Erzengel :- </translation>
    </message>
    <message>
        <source>Sphere Sign :- </source>
        <translation>Zeichen der Sphäre :- </translation>
    </message>
    <message>
        <source>Position In Tree Of Life :- </source>
        <translation>Stellung im Lebensbaum :- </translation>
    </message>
    <message>
        <source>Planetary Ruler :- </source>
        <translation>Planetenherrscher :- </translation>
    </message>
    <message>
        <source>Archangel :- </source>
        <translation>Erzengel :- </translation>
    </message>
    <message>
        <source>Lucky Day :- </source>
        <translation>Glückstag :- </translation>
    </message>
    <message>
        <source>Color  :- </source>
        <translation>Farbe  :- </translation>
    </message>
    <message>
        <source>Wood  :- </source>
        <translation>Holz  :- </translation>
    </message>
    <message>
        <source>Keyword  :- </source>
        <translation>Schlüsselwort  :- </translation>
    </message>
    <message>
        <source>Metal  :- </source>
        <translation>Metall  :- </translation>
    </message>
    <message>
        <source>Tarot Cards Associated With Sephiroths :- </source>
        <translation>Tarotkarten der Sephiroth :- </translation>
    </message>
    <message>
        <source>More About Card :- </source>
        <translation>Mehr über die Karte :- </translation>
    </message>
    <message>
        <source>Hebrew Letter  :- </source>
        <translation>Hebräischer Buchstabe  :- </translation>
    </message>
    <message>
        <source>Location :- </source>
        <translation>Lage :- </translation>
    </message>
    <message>
        <source>Corresponding Planet :- </source>
        <translation>Zugehöriger Planet :- </translation>
    </message>
    <message>
        <source>Yetsiratic Attribution :- </source>
        <translation>Jeziratische Zuordnung :- </translation>
    </message>
    <message>
        <source>Color :- </source>
        <translation>Farbe :- </translation>
    </message>
    <message>
        <source>Element :- </source>
        <translation>Element :- </translation>
    </message>
    <message>
        <source>Tarot Cards Associated With The Paths :- </source>
        <translation>Tarotkarte des Pfades :- </translation>
    </message>
    <message>
        <source>Corresponding Rune Stone :-</source>
        <translation>Zugehöriger Runenstein :-</translation>
    </message>
    <message>
        <source>Alternative Name :-</source>
        <translation>Andere Namen :-</translation>
    </message>
    <message>
        <source>Favorable Color :-</source>
        <translation>Günstige Farbe :-</translation>
    </message>
    <message>
        <source>Nordic God :-</source>
        <translation>Nordische Götter :-</translation>
    </message>
    <message>
        <source>Key Words :-</source>
        <translation>Schlüsselwörter :-</translation>
    </message>
    <message>
        <source>About Your Rune Stone :-</source>
        <translation>Über Ihren Runenstein :-</translation>
    </message>
    <message>
        <source>Report Generated By </source>
        <translation>Bericht erstellt von </translation>
    </message>
    <message>
        <source>Name :- </source>
        <translation>Name :- </translation>
    </message>
    <message>
        <source>Date Of Birth :- </source>
        <translation>Geburtsdatum :- </translation>
    </message>
    <message>
        <source>Sephiroths and Tarot Cards</source>
        <translation>Sephiroth und Tarotkarten</translation>
    </message>
    <message>
        <source>Rune Stone and Tarot Card of Path of Sun Sign</source>
        <translation>Runenstein und Tarotkarte des Pfades Ihres Sonnenzeichens</translation>
    </message>
    <message>
        <source>Sephiroths and Sun Sign</source>
        <translation>Sephiroth und Sonnenzeichen</translation>
    </message>
    <message>
        <source>SunSignName :-  </source>
        <translation>Sonnenzeichen :-  </translation>
    </message>
</context>
<context>
    <name>orvella::ReportExport</name>
    <message>
        <source>The document could not be made.</source>
        <translation>Das Dokument konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>orvella::ReportFile</name>
    <message>
        <source>The name or the date of birth is not a complete entry.</source>
        <translation>Name oder Geburtsdatum sind keine vollständige Angabe.</translation>
    </message>
    <message>
        <source>The name is too long: the file would be larger than %1 bytes, more than Orvella opens.</source>
        <translation>Der Name ist zu lang: Die Datei wäre größer als %1 Byte, mehr als Orvella öffnet.</translation>
    </message>
    <message>
        <source>The entries could not be kept in a reading file.</source>
        <translation>Die Angaben ließen sich nicht in einer Deutungsdatei ablegen.</translation>
    </message>
</context>
<context>
    <name>orvella::ReportPrinting</name>
    <message>
        <source>No printer is available.</source>
        <translation>Es ist kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation>Der Druckauftrag ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>orvella::SignDetermination</name>
    <message>
        <source>%1 %2 – %3 %4</source>
        <translation>%2. %1 – %4. %3</translation>
    </message>
</context>
<context>
    <name>orvella::TreeOfLifeDrawing</name>
    <message>
        <source>Tree of Life</source>
        <translation>Lebensbaum</translation>
    </message>
    <message>
        <source>The arrow keys move from sphere to sphere; P moves to the path of your reading.</source>
        <translation>Die Pfeiltasten gehen von Sphäre zu Sphäre; P geht zum Pfad Ihrer Deutung.</translation>
    </message>
    <message>
        <source>Card: %1</source>
        <translation>Karte: %1</translation>
    </message>
    <message>
        <source>Hebrew letter: %1</source>
        <translation>Hebräischer Buchstabe: %1</translation>
    </message>
    <message>
        <source>%1, highlighted</source>
        <translation>%1, hervorgehoben</translation>
    </message>
    <message>
        <source>Path between %1 and %2</source>
        <translation>Pfad zwischen %1 und %2</translation>
    </message>
</context>
<context>
    <name>orvella::TreeOfLifeLayout</name>
    <message>
        <source>Path of Zain</source>
        <translation>Pfad Zain</translation>
    </message>
    <message>
        <source>Path of Hé</source>
        <translation>Pfad He</translation>
    </message>
    <message>
        <source>Path of Cheth</source>
        <translation>Pfad Cheth</translation>
    </message>
    <message>
        <source>Path of Vau</source>
        <translation>Pfad Vau</translation>
    </message>
    <message>
        <source>Path of Yod</source>
        <translation>Pfad Yod</translation>
    </message>
    <message>
        <source>Path of Lamed</source>
        <translation>Pfad Lamed</translation>
    </message>
    <message>
        <source>Path of Teth</source>
        <translation>Pfad Teth</translation>
    </message>
    <message>
        <source>Path of Ayin</source>
        <translation>Pfad Ayin</translation>
    </message>
    <message>
        <source>Path of Nun</source>
        <translation>Pfad Nun</translation>
    </message>
    <message>
        <source>Path of Samekh</source>
        <translation>Pfad Samekh</translation>
    </message>
    <message>
        <source>Path of Tzaddi</source>
        <translation>Pfad Tzaddi</translation>
    </message>
    <message>
        <source>Path of Qoph</source>
        <translation>Pfad Qoph</translation>
    </message>
    <message>
        <source>The Emperor</source>
        <translation>Der Herrscher</translation>
    </message>
    <message>
        <source>The Hierophant</source>
        <translation>Der Hierophant</translation>
    </message>
    <message>
        <source>The Lovers</source>
        <translation>Die Liebenden</translation>
    </message>
    <message>
        <source>The Chariot</source>
        <translation>Der Wagen</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Die Kraft</translation>
    </message>
    <message>
        <source>The Hermit</source>
        <translation>Der Eremit</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Die Gerechtigkeit</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Der Tod</translation>
    </message>
    <message>
        <source>Temperance</source>
        <translation>Die Mäßigkeit</translation>
    </message>
    <message>
        <source>The Devil</source>
        <translation>Der Teufel</translation>
    </message>
    <message>
        <source>The Star</source>
        <translation>Der Stern</translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation>Der Mond</translation>
    </message>
</context>
<context>
    <name>orvella::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Möglicherweise gibt es eine neuere Version dieses Programms.
Möchten Sie nach einer Aktualisierung suchen?</translation>
    </message>
</context>
<context>
    <name>orvella::WebLinks</name>
    <message>
        <source>Co-brand this software for your site. Put your name and web address on Orvella and give it to your visitors. Click Here for more info on co-branding.</source>
        <translation>Versehen Sie dieses Programm mit Ihrem Namen und Ihrer Webadresse und schenken Sie es Ihren Besuchern. Mehr zum Co-Branding: hier klicken.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee: Ihr eigenes Internetgeschäft. Dieses Programm gibt es auch unter Ihrer Marke für Ihre Website. Mehr dazu: hier klicken.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Aktualisierung suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber das Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
</context>
<context>
    <name>orvella::WholeFile</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Die Datei konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The file could not be saved: %1</source>
        <translation>Die Datei konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 is a folder, not a regular file.</source>
        <translation>%1 ist ein Ordner, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is a device, not a regular file.</source>
        <translation>%1 ist ein Gerät, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is a pipe (FIFO), not a regular file.</source>
        <translation>%1 ist eine Pipe (FIFO), keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is a socket, not a regular file.</source>
        <translation>%1 ist ein Socket, keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>orvella::frmAbout</name>
    <message>
        <source>Orvella is a mystic software that correlates the Kabbalah Tree of life with the Rune Stones. This correlation is calculated on the basis of the date of birth of a person.</source>
        <translation>Orvella ist ein mystisches Programm, das den Lebensbaum der Kabbala mit den Runensteinen verbindet. Diese Verbindung wird aus dem Geburtsdatum eines Menschen berechnet.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation>Geschäftsidee: Ihr eigenes Internetgeschäft. Dieses Programm gibt es auch unter Ihrer Marke für Ihre Website. </translation>
    </message>
    <message>
        <source>About Orvella</source>
        <translation>Über Orvella</translation>
    </message>
    <message>
        <source>Click here to visit us at %1</source>
        <translation>Besuchen Sie uns: %1</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Mehr dazu: hier klicken.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>orvella::frmDisplay</name>
    <message>
        <source>Kabbalah Tree Of Life</source>
        <translation>Lebensbaum der Kabbala</translation>
    </message>
    <message>
        <source>Reading tabs</source>
        <translation>Registerkarten der Deutung</translation>
    </message>
</context>
<context>
    <name>orvella::frmMain</name>
    <message>
        <source>Please Enter  Your Name !</source>
        <translation>Bitte geben Sie Ihren Namen ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Bitte nur Buchstaben eingeben: Übernommen werden nur A bis Z.</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Bitte prüfen Sie die Datei.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Gespeicherte Deutung auswählen</translation>
    </message>
    <message>
        <source>Welcome to Orvella. This software aims to give you a better idea about the relationship of your sun sign with the Kabbalah Tree of Life, Tarot Cards and Runes Stones.</source>
        <translation>Willkommen bei Orvella. Es zeigt Ihnen, wie Ihr Sonnenzeichen mit dem Lebensbaum der Kabbala, den Tarotkarten und den Runensteinen zusammenhängt.</translation>
    </message>
    <message>
        <source>Enter Your Name and Date of Birth and Get Your Orvella Reading.</source>
        <translation>Name und Geburtsdatum eingeben – und Ihre Deutung erhalten.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Click Here To Open Previously Saved Orvella Reading</source>
        <translation>Hier klicken, um eine gespeicherte Orvella-Deutung zu öffnen</translation>
    </message>
    <message>
        <source>&amp;Proceed</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Ihre Angaben</translation>
    </message>
    <message>
        <source>Input window: your name and date of birth</source>
        <translation>Eingabefenster: Ihr Name und Ihr Geburtsdatum</translation>
    </message>
    <message>
        <source>Join the Orvella forum at %1 and share your reading</source>
        <translation>Im Orvella-Forum unter %1 Ihre Deutung teilen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open Previously Saved Orvella Reading</source>
        <translation>Gespeicherte Orvella-Deutung öffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>orvella::frmMdi</name>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Visit the Orvella forum at %1 and meet fellow seekers</source>
        <translation>Im Orvella-Forum unter %1 treffen Sie Gleichgesinnte</translation>
    </message>
    <message>
        <source>Reading window: the Tree of Life and your reading on three tabs</source>
        <translation>Deutungsfenster: der Lebensbaum und Ihre Deutung auf drei Registerkarten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>orvella::frmSave</name>
    <message>
        <source>The reading was not saved.</source>
        <translation>Die Deutung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Orvella reading for %1</source>
        <translation>Orvella-Deutung für %1</translation>
    </message>
    <message>
        <source>The report was not exported.</source>
        <translation>Der Bericht wurde nicht exportiert.</translation>
    </message>
    <message>
        <source>The report was not printed.</source>
        <translation>Der Bericht wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>Talk about your reading in our forum</source>
        <translation>Ihre Deutung in unserem Forum besprechen</translation>
    </message>
    <message>
        <source>Orvella forum</source>
        <translation>Orvella-Forum</translation>
    </message>
    <message>
        <source>Visit us at www.orvella.org</source>
        <translation>Besuchen Sie uns: www.orvella.org</translation>
    </message>
    <message>
        <source>Orvella web site</source>
        <translation>Orvella-Website</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Fully branded software</source>
        <translation>Programm unter Ihrer eigenen Marke</translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation>Als PDF exportieren…</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Export as ODT…</source>
        <translation>Als ODT exportieren…</translation>
    </message>
    <message>
        <source>OpenDocument text (*.odt)</source>
        <translation>OpenDocument-Text (*.odt)</translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation>Als HTML exportieren…</translation>
    </message>
    <message>
        <source>HTML page (*.html *.htm)</source>
        <translation>HTML-Seite (*.html *.htm)</translation>
    </message>
    <message>
        <source>Report window: your reading to save or print</source>
        <translation>Berichtsfenster: Ihre Deutung zum Speichern oder Drucken</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>suggested file name: the name, then the sign</comment>
        <translation>%1 - %2</translation>
    </message>
</context>
</TS>
