#include "records/fast_times_defaults.h"

const std::array<FastTimeRow, 10> kResetFastTimes{{
    {"B.Marsh", "2:00", "Internet"},
    {"C.Dunne", "2:15", "Rock 'N' Roll Legends"},
    {"D.Vale", "2:45", "Must Be The Weather"},
    {"E.Frost", "3:00", "Capital Cities"},
    {"F.Hollis", "3:15", "Breed : Dogs"},
    {"G.Reed", "3:30", "US States"},
    {"H.Lark", "3:45", "Blow Your Top ( Volcanoes )"},
    {"J.Penn", "4:00", "Wild Wild Life"},
    {"K.Moss", "4:15", "MultiMedia"},
    {"Tarnwick", "4:30", "Cocktails"},
}};

const std::array<FastTimeRow, 10> kDisplayDefaultFastTimes{{
    {"B.Marsh", "2:00", "Films : Horror"},
    {"C.Dunne", "2:15", "Films : Gangster"},
    {"D.Vale", "2:45", "Films : Action"},
    {"E.Frost", "3:00", "Capital Cities"},
    {"F.Hollis", "3:15", "Breed : Dogs"},
    {"G.Reed", "3:30", "Films : Horror"},
    {"H.Lark", "3:45", "Musicians : Rock"},
    {"J.Penn", "4:00", "Musicians : Classical"},
    {"K.Moss", "4:15", "Films : Horror"},
    {"Tarnwick", "4:30", "Films: Horror"},
}};
