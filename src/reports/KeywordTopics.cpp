// The keyword grids' cells and the text behind each topic.

#include <algorithm>

#include "core/FixedTables.h"
#include "reports/MeaningBrowsers.h"

namespace orv {

namespace {

struct Topic {
  std::string_view name;
  std::string_view text;
};

struct Qualities {
  std::string_view name, best, worst, series;
};

// clang-format off
constexpr std::array<Qualities, 22> kQualities = {{
    {"Sun", "Rulership", "Dictativeness", "Power"},
    {"Moon", "Adaptability", "Inconstancy", "Domestic"},
    {"Mercury", "Expression", "Restlessness", "Intellectual"},
    {"Venus", "Affection", "Pliancy (bending too easily, taking the easy way out)", "Social"},
    {"Mars", "Initiative", "Harshness", "Aggressive"},
    {"Jupiter", "Benevolence (kindness)", "Conceit", "Religious"},
    {"Saturn", "System and organization", "Selfishness", "Safety"},
    {"Uranus", "Originality", "Eccentricity", "Individualistic"},
    {"Neptune", "Idealism", "Vagueness", "Utopian"},
    {"Pluto", "Spirituality", "Inversion (turning things upside down)", "Universal welfare"},
    {"Aries", "Leadership", "Officiousness (minding other people's business, meddling)", "Egotistical"},
    {"Taurus", "Stability", "Obstinacy", "Possessive"},
    {"Gemini", "Versatility", "Changeableness", "Thought"},
    {"Cancer", "Tenacity", "Touchiness", "Feeling"},
    {"Leo", "Kindness", "Domination", "Will"},
    {"Virgo", "Analysis", "Criticism", "Analytical"},
    {"Libra", "Affability", "Approbation (always needing approval)", "Equilibrium"},
    {"Scorpio", "Resourcefulness", "Troublesomeness", "Desire"},
    {"Sagittarius", "Loyalty", "Sportiveness", "Comprehension"},
    {"Capricorn", "Diplomacy", "Deceitfulness", "Utility"},
    {"Aquarius", "Altruism", "Argumentation", "Knowledge"},
    {"Pisces", "Sympathy", "Worry", "Belief"},
}};

constexpr std::array<Topic, 10> kPlanets = {{
    {"Sun", "Your ego, the inner you, your essence, the unchanging part of you - the calm, steady, deep and lasting force felt within you, enabling you to exert willpower, make decisions and direct all the other parts (planets) of your life."},
    {"Moon", "Your feelings and moods, habits and instincts - the changing, responsive part of you that remembers, nurtures and seeks comfort, safety and a place to belong."},
    {"Mercury", "Your mind and voice - how you notice, learn, think, speak and write, and how you link one idea, person or place with another."},
    {"Venus", "Your power to love and to attract - what you value, enjoy and find beautiful, and how you share, please and make peace with others."},
    {"Mars", "Your drive and courage - the energy with which you act, desire, compete, defend yourself and go after what you want."},
    {"Jupiter", "Your faith and growth - where you expand, feel generous and lucky, seek meaning and look for the wider view."},
    {"Saturn", "Your sense of duty and limits - where you meet delay and responsibility, and where patient work builds lasting structure and respect."},
    {"Uranus", "Your urge for freedom and change - the sudden, inventive part of you that breaks habits, rebels and sees the future first."},
    {"Neptune", "Your dreams and ideals - imagination, compassion and longing for something finer, together with the fog of illusion and escape."},
    {"Pluto", "Your power to transform - what must end so that something new can grow; depth, crisis, renewal and influence over the many."},
}};

constexpr std::array<Topic, 12> kSigns = {{
    {"Aries", "you need to grow and develop. There is a need to learn and discover for yourself. New things will be started all the time."},
    {"Taurus", "you seek security and build slowly. Things are kept, valued and enjoyed; change comes only when it has proved its worth."},
    {"Gemini", "you are curious and busy. There are many contacts, messages and short trips, and more than one thing goes on at once."},
    {"Cancer", "you need to feel at home and protected. Feelings run deep here, and you care for others as family."},
    {"Leo", "you want to shine and be appreciated. You give warmly, take the lead and put your heart and pride into what you do."},
    {"Virgo", "you work to improve things. Details, health, service and practical skill matter, and nothing is quite good enough yet."},
    {"Libra", "you look for balance and partnership. Things go best when shared, fair and pleasant, and decisions may be weighed too long."},
    {"Scorpio", "you feel intensely and go to the bottom of things. There is hidden power here, and matters end and are reborn."},
    {"Sagittarius", "you reach out for wider horizons. Learning, travel, faith and optimism open doors, and freedom is needed."},
    {"Capricorn", "you take responsibility and climb step by step. Ambition, discipline and time bring results that last."},
    {"Aquarius", "you go your own way with others like you. Friends, groups and new ideas matter, and rules are questioned."},
    {"Pisces", "you give, dream and sense what others feel. Boundaries are soft here, bringing both inspiration and confusion."},
}};

constexpr std::array<Topic, 12> kHouses = {{
    {"1st house", "Your self and how you meet the world: appearance, manner, body, first impressions and new beginnings."},
    {"2nd house", "Your money, possessions and resources, what you earn and own, and the values and sense of self-worth behind them."},
    {"3rd house", "Your everyday mind and surroundings: brothers and sisters, neighbours, early schooling, letters, talk and short journeys."},
    {"4th house", "Your home and roots: family, a parent, property, the private life and how matters end in later years."},
    {"5th house", "Your pleasures and creations: romance, children, play, hobbies, art, sport and speculation."},
    {"6th house", "Your daily work and health: duties, routines, service, co-workers, employees and small animals."},
    {"7th house", "Your partners: marriage, close associates, contracts, open rivals and what you look for in another."},
    {"8th house", "What is shared and transformed: other people's money, debts, taxes, inheritance, sex, death and rebirth."},
    {"9th house", "Your wider world: higher learning, philosophy, religion, law, publishing, long journeys and foreign lands."},
    {"10th house", "Your public life: career, standing, reputation, authority, ambition and a parent."},
    {"11th house", "Your friends and hopes: groups, clubs, causes, wishes and the help that comes through others."},
    {"12th house", "What is hidden or withdrawn: solitude, secrets, institutions, self-undoing, charity and the inner spiritual life."},
}};

constexpr std::array<Topic, 12> kVocationalPlanets = {{
    {"Sun", "Leadership and authority: executive, manager, director, government official, supervisor, organizer, promoter, actor, jeweller. Activities where one is in charge and in view."},
    {"Moon", "Care and the public: nurse, caterer, cook, hotel keeper, grocer, dairy and food trades, home products, midwife, social worker, sailor. Activities serving daily needs of the many."},
    {"Mercury", "Communication and exchange: writer, teacher, clerk, secretary, reporter, editor, translator, salesperson, agent, postal worker, driver."},
    {"Mercury (2)", "Further Mercury activities: accountant, bookkeeper, printer, librarian, computer programmer, telephone and transport work, messenger, broker, scientist. Activities of thought, records and trade."},
    {"Venus", "Beauty and harmony: artist, musician, singer, designer, decorator, florist, beautician, fashion and jewellery trades, diplomat, host, counsellor."},
    {"Mars", "Energy and action: soldier, police officer, firefighter, surgeon, athlete, mechanic, engineer, builder, metal worker, butcher, dentist. Activities needing courage, tools and force."},
    {"Jupiter", "Growth and wisdom: lawyer, judge, professor, clergy, banker, publisher, travel agent, importer, philanthropist, doctor. Activities that expand, teach and protect."},
    {"Saturn", "Structure and time: administrator, civil servant, builder, architect, miner, farmer, estate manager, mathematician, watchmaker, undertaker. Activities of order, patience and long effort."},
    {"Uranus", "Invention and reform: inventor, electrician, electronics and computer engineer, pilot, astrologer, scientist, social reformer. Activities that are new, technical or unusual."},
    {"Neptune", "Imagination and compassion: film and photography work, poet, musician, dancer, healer, nurse in institutions, chemist, perfumer."},
    {"Neptune (2)", "Further Neptune activities: sailor, fisherman, oil and liquids trades, brewer, anaesthetist, psychic, monk or nun, charity worker. Activities near water, dreams or the suffering."},
    {"Pluto", "Depth and transformation: surgeon, psychologist, researcher, detective, investigator, insurance and tax specialist, miner, recycler, crisis worker. Activities that uncover, end or renew."},
}};

constexpr std::array<Topic, 12> kVocationalHouses = {{
    {"1st house", "Self-employment, personal services, models, athletes, pioneers. Activities where one's own person, looks or initiative is the product."},
    {"2nd house", "Financial transactions, banking, caretaker of possessions, appraiser, financial broker, cash accounting clerk, bank teller, claims adjuster, bondsmen, securities agent, payroll clerk, buyer, auctioneer. Activities concerned with people's finances and possessions."},
    {"3rd house", "Teacher of children, writer, journalist, clerk, courier, driver, salesperson, telephone operator, bookseller. Activities of communication, short travel and the neighbourhood."},
    {"4th house", "Real estate agent, builder, landlord, farmer, caterer, antique dealer, home furnishing trades. Activities concerned with homes, land and family."},
    {"5th house", "Entertainer, actor, artist, teacher of the young, child care, sports coach, games and toys, investment. Activities of pleasure, creation and risk."},
    {"6th house", "Health worker, nurse, dietician, employment agent, civil servant, craftsman, veterinary and pet trades. Activities of service, routine work and health."},
    {"7th house", "Lawyer, counsellor, marriage and business consultant, agent, negotiator, diplomat, public relations. Activities done with or for one other person."},
    {"8th house", "Insurance, taxes, estates, trustee, surgeon, researcher, investigator, undertaker, debt collector. Activities concerned with other people's money, crisis and death."},
    {"9th house", "Professor, lawyer, clergy, publisher, travel and shipping, import and export, foreign affairs. Activities of higher learning, belief and distance."},
    {"10th house", "Executive, manager, politician, government office, any profession of public standing. Activities of authority, career and reputation."},
    {"11th house", "Club and association work, fund raiser, social worker, technology, broadcasting, legislator. Activities with groups, friends and shared aims."},
    {"12th house", "Work in hospitals, prisons, asylums and retreats, charity, research behind the scenes, secret service. Activities done in seclusion or for those confined."},
}};

constexpr std::array<Topic, 10> kCommonTopics = {{
    {"Fire", "Inspiration, spiritual power, impulse, drive, dynamic energy, enthusiasm, motivation of power and conviction. The leader."},
    {"Earth", "Practical sense, material things, stability, patience, reliability, the senses and physical work. The builder."},
    {"Air", "Ideas, thought, communication, relationships, detachment, fairness and the exchange of views. The thinker."},
    {"Water", "Feeling, emotion, sensitivity, intuition, sympathy, memory and the inner life. The carer."},
    {"Cardinal", "Action and beginnings: the signs Aries, Cancer, Libra and Capricorn start things, meet crises head on and move outward."},
    {"Fixed", "Persistence and will: the signs Taurus, Leo, Scorpio and Aquarius hold on, concentrate and resist change."},
    {"Common", "Adaptability: the signs Gemini, Virgo, Sagittarius and Pisces adjust, serve, spread out and change with circumstances."},
    {"General 1", "The planets show what acts (the energy), the signs how it acts (the manner), and the houses where it acts (the area of life). Put the three keywords together in one sentence."},
    {"General 2", "Aspects show how the planets work together. Begin with the Sun, the Moon and the rising sign, then the closest aspects; the tighter the orb, the stronger the effect."},
    {"General 3", "Read the chart as a whole: count the elements and modes, find the busiest houses, and let repeated themes outweigh a single factor."},
}};

constexpr Topic kSymbolism = {"Symbolism", "Each symbol is built from three shapes: the circle (spirit, the whole), the half circle (the mind and soul, receptive) and the cross (matter, the world of action). How a planet's glyph combines them shows the kind of energy it stands for."};

constexpr std::array<std::array<std::string_view, 12>, 4> kPersonalCells = {{
    {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Aspects", "Symbolism"},
    SignNames,
    {"1st house", "2nd house", "3rd house", "4th house", "5th house", "6th house", "7th house", "8th house", "9th house", "10th house", "11th house", "12th house"},
    {"Fire", "Earth", "Air", "Water", "", "Cardinal", "Fixed", "Common", "", "General 1", "General 2", "General 3"},
}};
constexpr std::array<std::string_view, 12> kVocationalFirstColumn = {
    "Sun", "Moon", "Mercury", "Mercury (2)", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Neptune (2)", "Pluto"};

constexpr std::string_view kAspectsText =
    "Conjunction    =  Prominence      Semi-sextile =  Growth\r\n"
    "Sextile            =  Opportunity       Square         =  Obstacle\r\n"
    "Trine               =  Luck                 Quincunx     =  Expansion\r\n"
    "Semi-square   =  Friction              Opposition   =  Separation\r\n"
    "Sesquisquare =  Agitation            Parallel        =  Intensity\r\n";
// clang-format on

template <std::size_t N>
const Topic* Find(const std::array<Topic, N>& topics, std::string_view name) {
  const auto it =
      std::find_if(topics.begin(), topics.end(), [name](const Topic& t) { return t.name == name; });
  return it == topics.end() ? nullptr : &*it;
}

std::string QualityLines(std::string_view name) {
  const auto q = std::find_if(kQualities.begin(), kQualities.end(),
                              [name](const Qualities& x) { return x.name == name; });
  return "Best quality: " + std::string(q->best) + std::string(NewLine) +
         "Worst quality: " + std::string(q->worst) + std::string(NewLine) +
         "Thought series: " + std::string(q->series);
}

}  // namespace

std::string_view KeywordGridCell(KeywordGrid grid, int row, int column) {
  if (row < 0 || row >= kKeywordGridRows || column < 0 || column >= kKeywordGridColumns) return {};
  if (grid == KeywordGrid::Vocational && column == 0) return kVocationalFirstColumn[row];
  return kPersonalCells[column][row];
}

std::optional<std::string> KeywordTopicText(KeywordGrid grid, std::string_view cell) {
  const std::string nl(NewLine);
  if (const Topic* sign = Find(kSigns, cell))
    return "In the house where " + std::string(cell) + " rules the cusp is where:" + nl + nl +
           std::string(sign->text) + nl + nl + QualityLines(cell);
  if (const Topic* common = Find(kCommonTopics, cell)) return std::string(common->text);
  if (grid == KeywordGrid::Vocational) {
    if (const Topic* t = Find(kVocationalPlanets, cell)) return std::string(t->text);
    if (const Topic* t = Find(kVocationalHouses, cell)) return std::string(t->text);
    return std::nullopt;
  }
  if (const Topic* planet = Find(kPlanets, cell))
    return std::string(planet->text) + nl + nl + QualityLines(cell) + nl + nl;
  if (const Topic* house = Find(kHouses, cell)) return std::string(house->text);
  if (cell == kSymbolism.name) return std::string(kSymbolism.text);
  if (cell == "Aspects") return std::string(kAspectsText);
  return std::nullopt;
}

}  // namespace orv
