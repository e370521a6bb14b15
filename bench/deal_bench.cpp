// Building, shuffling and dealing a two-deck (104-card) game with each generator, as a
// game window does for every new deal and restart.

#include <benchmark/benchmark.h>

#include "engine/CardPile.h"

namespace {

template <void (*Seed)(unsigned), void (TCardPile::*ShuffleDeck)()>
void DealTwoDecks(benchmark::State& state) {
  unsigned number = 1;
  TCardPile tableau[10];
  for (auto _ : state) {
    TCardPile deck;
    deck.AddDeck();
    deck.AddDeck();
    Seed(number++);
    (deck.*ShuffleDeck)();
    // Deal from the top, round the ten columns, then free the cards.
    for (int i = 0; deck.GetCardCount() > 0; ++i) {
      TCard* card = deck.CardAt(TopOfPile);
      deck.RemoveCard(card);
      tableau[i % 10].AddCard(card);
    }
    benchmark::DoNotOptimize(tableau[0].CardAt(TopOfPile));
    for (TCardPile& pile : tableau) pile.Empty(true);
  }
  state.SetItemsProcessed(state.iterations());
}

// The shuffle alone over a deck built once.
template <void (*Seed)(unsigned), void (TCardPile::*ShuffleDeck)()>
void ShuffleTwoDecks(benchmark::State& state) {
  TCardPile deck;
  deck.AddDeck();
  deck.AddDeck();
  unsigned number = 1;
  for (auto _ : state) {
    Seed(number++);
    (deck.*ShuffleDeck)();
    benchmark::DoNotOptimize(deck.FList.data());
  }
  deck.Empty(true);
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(DealTwoDecks<SeedShuffleRandom, &TCardPile::Shuffle>)->Name("DealTwoDecks/General");
BENCHMARK(DealTwoDecks<SeedFreeCellRandom, &TCardPile::FreeCellShuffle>)->Name("DealTwoDecks/Second");
BENCHMARK(ShuffleTwoDecks<SeedShuffleRandom, &TCardPile::Shuffle>)->Name("ShuffleTwoDecks/General");
BENCHMARK(ShuffleTwoDecks<SeedFreeCellRandom, &TCardPile::FreeCellShuffle>)->Name("ShuffleTwoDecks/Second");

BENCHMARK_MAIN();
