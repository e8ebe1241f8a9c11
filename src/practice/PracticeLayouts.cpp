#include "PracticeLayout.h"

namespace practice {

using shell::ScreenId;

// One row of the table per screen; names and places differ, behaviour does not.
const PracticeLayout& formulaLayout() {
    static const PracticeLayout l{
        ScreenId::Formula, "Label3",   {152, 234}, "Label4",   {160, 247}, 1.5,       "Command4",
        {536, 445},        "Image6",   "Image5",   {21, 434},  "Label5",   {23, 461}, "command7",
        {679, 445},        "Command5", {618, 21},  "command6", {618, 67}};
    return l;
}

const PracticeLayout& coefficientLayout() {
    static const PracticeLayout l{ScreenId::Coefficient,
                                  "Label7",
                                  {135, 206},
                                  "Label8",
                                  {143, 219},
                                  2,
                                  "command6",
                                  {538, 443},
                                  "Image8",
                                  "Image5",
                                  {23, 432},
                                  "Label6",
                                  {25, 459},
                                  "command7",
                                  {681, 443},
                                  "Command1",
                                  {621, 6},
                                  "Command2",
                                  {621, 52}};
    return l;
}

const PracticeLayout& moleLayout() {
    static const PracticeLayout l{
        ScreenId::Mole, "Label7",   {68, 238}, "Label8",   {76, 251}, 2,         "Command5",
        {491, 445},     "Image8",   "Image6",  {44, 434},  "Label6",  {46, 461}, "command7",
        {650, 445},     "Command1", {628, 11}, "Command2", {628, 57}};
    return l;
}

const PracticeLayout& reactionLayout() {
    static const PracticeLayout l{
        ScreenId::Reaction, "Label7",   {66, 249}, "Label8",   {74, 262}, 2,         "Command5",
        {491, 445},         "Image8",   "Image6",  {44, 434},  "Label6",  {46, 461}, "command7",
        {650, 445},         "Command1", {628, 11}, "Command2", {628, 57}};
    return l;
}

} // namespace practice
