#pragma once
// The budget of one whole piece of work (a redraw of the picture, a command of tarlix-cli),
// beside the step budget each single value has. The work asks it where it can stop early, the
// evaluator every few thousand steps; once it says stop, every evaluation still to come is
// undefined at once, so the work ends quickly with what it has. What decides is the owner's: a
// deadline, a key the user pressed, a count of questions in a test.

namespace tarlix {

class WorkBudget {
public:
    virtual ~WorkBudget() = default;

    // Asks whether the work should stop. Once it says so it keeps saying so.
    bool exhausted() {
        if (!ranOut_ && check()) ranOut_ = true;
        return ranOut_;
    }
    // Whether it said so, without asking again.
    bool ranOut() const { return ranOut_; }

    // The share of the work done, 0..100, as the work knows it, for owners that show it.
    void setProgress(int percent) { progress_ = percent; }
    int progress() const { return progress_; }

protected:
    // The owner's decision, asked until it first says stop.
    virtual bool check() = 0;

private:
    bool ranOut_ = false;
    int progress_ = 0;
};

// A budget that runs out after a given number of questions: counted work, the same on every
// machine, for harnesses and tests.
class CountedBudget : public WorkBudget {
public:
    explicit CountedBudget(long questions) : left_(questions) {}
    long asked() const { return asked_; }

protected:
    bool check() override {
        ++asked_;
        return left_-- <= 0;
    }

private:
    long left_;
    long asked_ = 0;
};

} // namespace tarlix
