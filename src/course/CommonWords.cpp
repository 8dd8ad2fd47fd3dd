#include "course/CommonWords.h"

#include <algorithm>
#include <set>

#include "base/AsciiText.h"
#include "course/UnicodeText.h"

namespace zq {
namespace {

struct LanguageWords {
    std::string_view language;
    std::string_view words;  // UTF-8, separated by spaces
};

constexpr LanguageWords kWords[] = {
    {"cs",
     "a i v ve na je to že se s z ze do o k ale jak tak jen už ještě moc velmi také nebo když kde kdo co "
     "já ty on ona my vy oni mi ti mu ho jí můj tvůj náš váš ten ta ty tam tady teď pak dnes zde ano ne "
     "den rok čas dům byt ruka noha hlava oko ucho nos ústa dveře okno stůl židle kniha slovo jméno voda "
     "chléb mléko ryba maso káva čaj pes kočka strom květ slunce hvězda moře les pole město cesta auto vlak "
     "svět život práce škola hra syn dcera otec matka bratr sestra muž žena dítě pán paní "
     "dobrý zlý nový starý velký malý bílý černý modrý teplý mladý rád dva tři pět šest sedm osm devět "
     "deset sto být mít jít jet dát vzít vidět jíst pít spát psát číst znát dělat"},
    {"da",
     "og i at det en den til er som på de med han af for ikke der var jeg hun vi du kan så fra skal nu "
     "når sig eller da havde mod efter under alle også bare meget her ja nej god ny gammel stor lille "
     "dag år tid hus hånd fod hoved øje næse mund dør vindue bord stol seng bog ord navn vand brød mælk "
     "fisk kød kaffe te hund kat træ blomst sol måne stjerne hav sø skov mark land by vej bil tog "
     "barn mand kone ven far mor søn datter bror søster rød blå grøn gul hvid sort varm kold lang kort "
     "en to tre fire fem seks syv otte ni ti være have gå se give tage komme spise drikke sove læse skrive"},
    {"de",
     "der die das den dem des ein eine einen und oder aber denn doch ist sind war bin bist hat habe "
     "nicht kein ich du er sie es wir ihr mit auf für von zu im in an am aus bei bis nach vor um was wer "
     "wie wo ja nein gut neu alt groß klein viel mehr oft hier dort da dann noch nur schon sehr auch wenn "
     "weil als so zum zur gibt geht kam kommt sagt macht mal man mein dein sein uns mir dir ihn kann muss "
     "will soll darf alle ganz gern bald nie jetzt heute immer ohne über unter "
     "Tag Jahr Zeit Haus Hand Kind Mann Frau Welt Land Stadt Weg Auge Kopf Herz Tür Tisch Hund Katze Baum "
     "Buch Brot Geld Auto Bett Ball Hut Rad Tee Ei Eis See Meer Berg Wald Feld Haar Nase Mund Ohr Fuß Arm "
     "Bein Sonne Mond Stern Licht Luft Feuer Erde Name Wort Bild Lied Spiel Ende Milch Wasser Vater Mutter "
     "Sohn Bruder Schule Kuh Maus Fisch Obst Salz Uhr Bus Zug Dach Hof Rose "
     "rot blau grün gelb weiß warm kalt lang kurz hoch tief schön froh leer voll früh spät "
     "eins zwei drei vier fünf sechs sieben acht neun zehn hundert sehen gehen essen geben lesen tun"},
    {"el",
     "και το τα η ο οι να του της των με σε για από που δεν θα είναι ένα μια ένας τον την στο στη στην "
     "αυτό εγώ εσύ αυτός αυτή εμείς εσείς μου σου μας σας ναι όχι πολύ λίγο καλά καλός κακός νέος "
     "μεγάλος μικρός ωραίος εδώ εκεί τώρα μετά πριν πάντα ποτέ μέρα χρόνος ώρα σπίτι χέρι πόδι μάτι "
     "στόμα πόρτα βιβλίο λέξη όνομα νερό ψωμί γάλα ψάρι κρέας καφές τσάι σκύλος γάτα δέντρο ήλιος "
     "αστέρι θάλασσα λίμνη χώρα πόλη δρόμος τρένο φίλος πατέρας μητέρα γιος κόρη παιδί άντρας γυναίκα "
     "ζεστό κρύο άσπρο μαύρο δύο τρία πέντε έξι επτά οκτώ εννέα δέκα εκατό έχω είμαι πάω τρώω πίνω "
     "βλέπω ξέρω θέλω κάνω λέω"},
    {"en",
     "a i the and for are but not you all any can had her was one our out day get has him his how man "
     "new now old see two way who boy did its let put say she too use yes no go do it is in on at to up "
     "we he me my be by of or so if an as us am off big red run sun dog cat eat top hot box cup bag bed "
     "car hat pen map far few got lot job key sea sky ask end eye fly fun leg low may pay air add age ago "
     "arm art bad bit buy cut dry egg fit fix hit ice joy kid lay mix net oil own pet pie pot sad sat set "
     "sit six son ten tie toe toy try wet win yet zoo also back been call came come cold does done down "
     "each even face fact fall fast feel find fine fire fish five food four free from full gave give "
     "good hand hard have head hear help here high hold home hope hour into just keep kind knew know land "
     "last late left less life like line live long look lost love made make many mind more most move much "
     "must name near need next nice once only open over part play read rest road room said same seen ship "
     "shop show side some soon stop such sure take talk tell than that them then they this time tree true "
     "turn very wait walk want warm week well went were what when will wind with word work year your "
     "about after again black bring early every first found great green house large learn light never "
     "night often other place plant point right round small sound start still story table thing think "
     "three today under until water where which while white whole world write young"},
    {"es",
     "el la los las un una unos de del y o que en a por con para sin sobre es son era fue ser hay he ha "
     "han no sí yo tú él ella nos mi tu su se me te le lo al más muy bien mal ya hoy aquí así como cuando "
     "donde qué todo nada algo poco mucho otro otra este esta ese esa eso día año vez vida casa mano pie "
     "ojo boca agua sol luz mar pan vino leche café té fruta perro gato pez ave flor árbol libro mesa "
     "silla cama puerta calle ciudad país tren coche tiempo hora noche tarde bueno malo grande alto bajo "
     "nuevo viejo rojo azul verde blanco negro frío calor amigo padre madre hijo hija hombre mujer niño "
     "niña uno dos tres cuatro cinco seis siete ocho nueve diez cien ir ver dar hacer decir tener comer "
     "beber vivir leer mundo tierra cosa gente país perro"},
    {"fi",
     "ja on ei se hän minä sinä me te he tämä että mutta tai kun jos niin kuin myös vain nyt jo vielä "
     "aina usein täällä siellä missä mitä kuka mikä miksi hyvä paha uusi vanha iso pieni pitkä lyhyt "
     "kaunis päivä yö vuosi aika talo koti käsi jalka pää silmä suu nenä ovi ikkuna pöytä tuoli sänky "
     "kirja sana nimi vesi leipä maito kala liha kahvi tee koira kissa puu kukka aurinko kuu tähti meri "
     "järvi maa metsä kaupunki tie auto juna isä äiti poika tyttö veli sisko mies nainen lapsi ystävä "
     "valo työ koulu ruoka kylmä lämmin musta valkoinen sininen punainen yksi kaksi kolme neljä viisi "
     "kuusi seitsemän kahdeksan yhdeksän kymmenen sata olla mennä tulla nähdä syödä juoda antaa ottaa"},
    {"fr",
     "le la les un une des de du et est en il elle on nous vous ils je tu me te se ce ça qui que où mais "
     "ou donc car ne pas plus très bien bon bonne beau belle grand petit gros haut bas vieux neuf jeune "
     "tout tous rien peu trop avec sans pour par sur sous dans chez vers entre avant après ici là oui non "
     "si déjà encore aussi alors jour nuit an mois heure temps vie main tête pied bras nez bouche eau feu "
     "air terre mer ciel lune soleil vent pluie neige arbre fleur chat chien lait pain vin café thé sel "
     "riz pomme maison porte mur lit table livre mot nom rue ville pays route gare train vélo bus école "
     "ami amie père mère fils fille frère homme femme enfant roi jeu fin rouge bleu vert blanc noir jaune "
     "gris chaud froid dur doux vrai faux fait dit va vais vont sont suis es ai as a avoir être faire "
     "dire voir aller deux trois quatre cinq six sept huit neuf dix cent mille lire jouer manger"},
    {"hu",
     "a az és egy nem is hogy de van volt meg már még csak mint ha mert vagy el ki be fel le itt ott most "
     "majd igen jó rossz új régi nagy kis sok szép én te ő mi ti ők ez nap év idő ház kéz láb fej szem "
     "száj orr ajtó ablak asztal szék ágy könyv szó név víz kenyér tej hal hús kávé tea kutya macska fa "
     "virág hold csillag tenger tó föld erdő város út autó vonat apa anya fiú lány férfi nő gyerek barát "
     "piros kék zöld sárga fehér fekete meleg hideg kettő két három négy öt hat hét nyolc kilenc tíz száz "
     "enni inni menni jönni látni adni tenni élni"},
    {"it",
     "il lo la i gli le un una uno di da in con su per tra fra e o ma se che chi non più molto poco tutto "
     "niente sono sei è siamo ho hai ha hanno era io tu lui lei noi voi loro mi ti si ci vi mio tuo suo "
     "qui qua là già ora poi mai sempre anche ancora bene male sì no giorno anno vita casa mano piede "
     "occhio bocca acqua sole luce mare pane vino latte caffè tè cane gatto pesce fiore albero libro "
     "tavolo sedia letto porta strada città paese treno auto tempo notte sera buono bello grande piccolo "
     "alto basso nuovo vecchio rosso blu verde bianco nero caldo freddo amico padre madre figlio figlia "
     "uomo donna bambino due tre quattro cinque sette otto nove dieci cento fare dire avere essere dare "
     "stare andare vedere mondo terra cosa nome parola scuola"},
    {"nl",
     "de het een en van in is op te dat die niet met zijn voor er maar om aan ook als bij of dan nog wel "
     "naar uit zo wat wie waar hoe ik je jij hij zij ze we wij u mijn jouw haar ons hun me mij hem was "
     "had heb heeft ben bent kan kon wil zal moet gaat komt doet ja nee al hier daar nu toen dus want "
     "goed veel meer weer tijd dag jaar man vrouw kind huis hand voet hoofd oog neus mond deur raam tafel "
     "stoel bed boek woord naam water brood melk kaas vis vlees koffie thee hond kat boom bloem zon maan "
     "ster lucht zee bos land stad weg auto fiets trein vader moeder zoon dochter broer zus vriend school "
     "rood blauw groen geel wit zwart warm koud groot klein oud nieuw mooi lief een twee drie vier vijf "
     "zes zeven acht negen tien honderd eten drinken zien gaan doen lezen zijn hebben"},
    {"no",
     "og i det på er som en et til å av for med har de ikke at den han jeg hun vi dere du kan så fra skal "
     "nå når seg eller da hadde mot etter under alle også bare mye her der ja nei bra ny gammel stor "
     "liten god dag år tid hus hånd fot hode øye nese munn dør vindu bord stol seng bok ord navn vann "
     "brød melk fisk kjøtt kaffe te hund katt tre blomst sol måne stjerne hav sjø skog land by vei bil "
     "tog far mor sønn datter bror søster mann kvinne barn venn skole rød blå grønn gul hvit svart varm "
     "kald lang kort to fire fem seks sju åtte ni ti hundre være ha gå se gi ta komme spise drikke sove "
     "lese skrive"},
    {"pl",
     "i w we nie na z ze się do to że jest co jak ale o po tak za od ja ty on ona ono my wy oni mi ci mu "
     "go jej ich mój twój nasz ten ta te tu tam już jeszcze bardzo dobrze źle tylko też bo lub albo czy "
     "gdy kiedy gdzie kto dziś teraz potem tak nie dzień rok czas dom ręka noga głowa oko ucho nos usta "
     "drzwi okno stół łóżko książka słowo imię woda chleb mleko ryba mięso kawa herbata pies kot drzewo "
     "kwiat słońce gwiazda morze las pole miasto droga auto pociąg ojciec matka syn córka brat siostra "
     "pan pani mąż żona dziecko szkoła świat życie praca dobry zły nowy stary duży mały biały czarny "
     "jeden dwa trzy pięć sześć siedem osiem sto być mieć iść jeść pić spać dać wziąć znać robić czytać"},
    {"pt",
     "o a os as um uma de do da dos das em no na nos nas e ou que por para com sem sobre é são era foi "
     "ser há eu tu ele ela nós eles elas me te se lhe meu teu seu minha sua não sim mais muito pouco bem "
     "mal já hoje aqui ali lá assim como quando onde quem tudo nada algo outro outra este esta esse essa "
     "isso dia ano vez vida casa mão pé olho boca água sol luz mar pão vinho leite café chá cão gato peixe "
     "flor árvore livro mesa cama porta rua cidade país carro tempo hora noite tarde bom mau grande alto "
     "baixo novo velho azul verde branco preto frio amigo pai mãe filho filha homem mulher dois três "
     "quatro cinco seis sete oito nove dez cem ir ver dar fazer dizer ter comer beber viver ler mundo "
     "terra coisa gente nome"},
    {"ru",
     "и в не на я он что с по это она как а то все но так его к у же вы за бы от мы из мне о ты да нет "
     "уже или когда где кто там тут здесь вот еще очень только тоже мой твой наш ваш свой сам день год "
     "час время дом рука нога глаз нос рот дверь окно стол стул книга слово имя вода хлеб молоко рыба "
     "мясо чай кот пес собака лес поле море река город путь мир сад сон сын дочь мать отец друг брат "
     "сестра муж жена школа жизнь дело новый старый белый черный один два три пять шесть семь восемь "
     "девять десять сто быть есть идти жить дать взять знать пить спать читать"},
    {"sv",
     "och i att det som en ett på är av för med till den har de inte om han men var jag hon vi ni du kan "
     "så vid från ska nu när sig eller då hade mot efter under alla också bara mycket här där ja nej bra "
     "ny gammal stor liten god dag år tid hus hand fot huvud öga näsa mun dörr fönster bord stol säng bok "
     "ord namn vatten bröd mjölk fisk kött kaffe te hund katt träd blomma sol måne stjärna hav sjö skog "
     "land stad väg bil tåg far mor son dotter bror syster man kvinna barn vän skola röd blå grön gul vit "
     "svart varm kall lång kort två tre fyra fem sex sju åtta nio tio hundra vara ha gå se ge ta komma äta "
     "dricka sova läsa skriva"},
    {"tr",
     "ve bir bu şu da de ne için ile ben sen o biz siz onlar var yok çok az iyi kötü yeni eski büyük küçük "
     "güzel evet hayır şimdi sonra önce burada orada ama ya gibi kadar daha en her hep gün yıl saat zaman "
     "ev el ayak baş göz burun ağız kapı pencere masa sandalye yatak kitap söz ad su ekmek süt balık et "
     "kahve çay köpek kedi ağaç çiçek güneş ay yıldız deniz göl yer orman şehir yol araba tren baba anne "
     "oğul kız kardeş adam kadın çocuk arkadaş okul kırmızı mavi yeşil sarı beyaz siyah sıcak soğuk iki üç "
     "dört beş altı yedi sekiz dokuz on yüz gel git al ver yap oku yaz iç"},
    {"uk",
     "і й в у не на я він вона що з по це як а то все але так його до же ви за від ми мені ти ні вже або "
     "коли де хто там тут ось ще дуже тільки теж мій твій наш ваш свій сам день рік час дім рука нога око "
     "ніс рот двері вікно стіл книга слово вода хліб молоко риба чай кава кіт пес ліс поле море річка "
     "місто шлях світ сад сон син донька мати батько друг брат сестра чоловік жінка школа життя справа "
     "новий старий білий чорний добрий один два три чотири шість сім вісім десять сто бути їсти йти жити "
     "дати взяти знати пити спати читати"},
};

}  // namespace

std::vector<std::u32string> CommonWords(std::string_view language) {
    const std::string code = AsciiLower(language);
    for (const LanguageWords& entry : kWords) {
        if (entry.language != code) continue;
        std::vector<std::u32string> words;
        std::set<std::u32string> seen;
        const std::u32string text = FromUtf8Text(entry.words);
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find(U' ', start), text.size());
            std::u32string word = text.substr(start, end - start);
            if (!word.empty() && seen.insert(word).second) words.push_back(std::move(word));
            start = end + 1;
        }
        return words;
    }
    return {};
}

}  // namespace zq
