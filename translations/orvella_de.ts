<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>orvella::Application</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::BirthDateLists</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::Correspondences</name>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray or Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom, Revelation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Kings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pine or Juniper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Understanding, Intelligence, Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Queens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love, Kindness, Mercy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Fours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cedar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restraint, Justice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Fives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold or Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laurel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beauty, Equilibirum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myrtle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Victory, Endurance, Prophecy, Eternity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sevens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple, Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hazelwood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splendour, Truthfulness, Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury/ Quicksilver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Eights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Willow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foundation, Passion, Truth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Nines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kingdom, Beginnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Ayin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayin, which means eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renovating intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Devil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need, Help, Resistance, Love</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nornir,Etins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Tzaddi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tzaddi, which means hook.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus / Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constituting Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fluidity, Life Force, Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deep Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Njord,Balder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Qoph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qoph, which means back of the head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corporeal Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancestry, Prosperity, Inheritance, Family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deep Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odin,Thor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of He</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heh, which means window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Emperor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protection, Action, Destruction, Willpower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bright Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Vau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vau, which means nail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triumphal intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Hierophant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rhythm, Movement, Travel, Spiritual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forseti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Zaini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zain, which means sword or the male sex organ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disposing intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mauve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Lovers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duality, Movement, Partnership, Interaction, Harmony</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freya,Freyr,Aclis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Cheth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheth, which means chariot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Influencing Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Chariot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knowledge, Fire, Guiding Light, Fertility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freya,Dwarves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Teth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teth, which means coiled serpent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spiritual Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deep purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joy, Pleasure, Hope, Fellowship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freyr,Elves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Yod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yod, which means sperm of God.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Willful Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slate gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Hermit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Constraint, Massive Force, Gradual Integration, Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rime Thurses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Lamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamed, which means to teach.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faithful Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Justice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyr,Mani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Nun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nun, which means fish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imaginative Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Death</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebirth, Knowledge, Communication, Justice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Blue,Light Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odin,Freya,Dwarves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Of Samekh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samekh, which means trust and closeness.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tentative Intelligence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light, Enlightenment, Polarity, Awakening, Intuition, Well being</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odin,Ostara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::PrinterRefusal</name>
    <message>
        <source>No printer is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer is stopped or reports an error, and does not take jobs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or reports an error, and does not take jobs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer has stopped and does not take jobs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has stopped and does not take jobs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer does not accept jobs now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::Reading</name>
    <message>
        <source>Connecting path between %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::ReadingPanes</name>
    <message>
        <source>Tarot Cards Associated With Sephiroths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Tarot Cards Associated With Sephiroths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, About the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card of the first sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sphere Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position In Tree Of Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Sphere Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Position In Tree Of Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archangel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Archangel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Lucky Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Wood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Metal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Planetary Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splendour, Truthfulness, Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Your Archangel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, About the sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First sphere, About Your Archangel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Cards Associated With The Sephiroths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Tarot Cards Associated With The Sephiroths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, About the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card of the second sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Sphere Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Position In Tree Of Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Archangel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Lucky Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Wood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Metal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, Planetary Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, About the sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sphere, About Your Archangel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card of the path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More About Tarot Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About the path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Cards Associated With The Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zain, which means sword or the male sex organ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corresponding Planet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yetsiratic Attribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corresponding Rune Stone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternative Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the rune stone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorable Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nordic God</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About the rune stone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About your sun sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path Associated With Your Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Samekh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About the sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Your Mouse Over The Sephiroths To Know More About Sephiroths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sephiroths and Tarot Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rune Stone and Tarot Card of Path of Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sephiroths and Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::ReportComposition</name>
    <message>
        <source>About Your Archangel :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sphere Sign :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position In Tree Of Life :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary Ruler :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archangel :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lucky Day :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color  :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wood  :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword  :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal  :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Cards Associated With Sephiroths :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More About Card :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew Letter  :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corresponding Planet :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yetsiratic Attribution :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Cards Associated With The Paths :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corresponding Rune Stone :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternative Name :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorable Color :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nordic God :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Words :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Your Rune Stone :-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Generated By </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Of Birth :- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sephiroths and Tarot Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rune Stone and Tarot Card of Path of Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sephiroths and Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SunSignName :-  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::ReportExport</name>
    <message>
        <source>The document could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::ReportFile</name>
    <message>
        <source>The name or the date of birth is not a complete entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name is too long: the file would be larger than %1 bytes, more than Orvella opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entries could not be kept in a reading file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::ReportPrinting</name>
    <message>
        <source>No printer is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::SignDetermination</name>
    <message>
        <source>%1 %2 – %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::TreeOfLifeDrawing</name>
    <message>
        <source>Tree of Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrow keys move from sphere to sphere; P moves to the path of your reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew letter: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, highlighted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path between %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::TreeOfLifeLayout</name>
    <message>
        <source>Path of Zain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Hé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Cheth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Vau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Yod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Lamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Teth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Ayin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Nun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Samekh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Tzaddi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path of Qoph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Emperor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Hierophant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Lovers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Chariot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Hermit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Justice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Death</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Devil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::WebLinks</name>
    <message>
        <source>Co-brand this software for your site. Put your name and web address on Orvella and give it to your visitors. Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::WholeFile</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::frmAbout</name>
    <message>
        <source>Orvella is a mystic software that correlates the Kabbalah Tree of life with the Rune Stones. This correlation is calculated on the basis of the date of birth of a person.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orvella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit us at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::frmDisplay</name>
    <message>
        <source>Kabbalah Tree Of Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading tabs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::frmMain</name>
    <message>
        <source>Please Enter  Your Name !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Orvella. This software aims to give you a better idea about the relationship of your sun sign with the Kabbalah Tree of Life, Tarot Cards and Runes Stones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Your Name and Date of Birth and Get Your Orvella Reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Open Previously Saved Orvella Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input window: your name and date of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Join the Orvella forum at %1 and share your reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Previously Saved Orvella Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::frmMdi</name>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Orvella forum at %1 and meet fellow seekers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading window: the Tree of Life and your reading on three tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvella::frmSave</name>
    <message>
        <source>The reading was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvella reading for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was not exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk about your reading in our forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvella forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit us at www.orvella.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvella web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fully branded software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as ODT…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument text (*.odt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as HTML…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML page (*.html *.htm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report window: your reading to save or print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>suggested file name: the name, then the sign</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
