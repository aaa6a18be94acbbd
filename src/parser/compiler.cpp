#include "parser/compiler.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

namespace velmora::detail {

namespace {

constexpr int maxLevel = 20;
constexpr int maxOperationsPerLevel = 50;
constexpr double piValue = 3.141592653589793;

// Recursion of the recognition rules goes one text length down at every
// step, so formulas of a few thousand characters stay far from the stack's
// end; beyond this depth a formula is refused instead of crashing.
constexpr int maxRuleDepth = 4000;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// ---- Rules ----------------------------------------------------------------

// The recognition rules, then the sets of rules that operands must pass;
// both kinds of result are remembered per sub-text.
enum Rule : int {
    rV, rN, rB, rNeg, rSum, rDif, rPrd, rIDv, rMdl, rDvs, rPow, rF1, rF2,
    firstSet,
    sValid = firstSet, sSumLeft, sSumRight, sDifRight, sPrdLeft, sDvsRight, sPow, sNeg,
    ruleCount
};
static_assert(2 * ruleCount <= 64, "two memo bits per rule");
using RuleSet = std::uint32_t;

constexpr RuleSet bit(Rule r) { return RuleSet{1} << r; }
template <typename... R>
constexpr RuleSet setOf(R... r) { return (bit(r) | ...); }

constexpr RuleSet members[ruleCount - firstSet] = {
    // A valid expression: what a Bracket or a call requires inside.
    setOf(rN, rV, rNeg, rSum, rDif, rPrd, rIDv, rMdl, rDvs, rPow, rF2, rF1, rB),
    setOf(rV, rN, rB, rNeg, rDif, rPrd, rIDv, rMdl, rDvs, rPow, rF1, rF2),   // Sum and Dif left
    setOf(rV, rN, rB, rSum, rDif, rPrd, rIDv, rMdl, rDvs, rPow, rF1, rF2),   // Sum right
    setOf(rV, rN, rB, rPrd, rIDv, rMdl, rDvs, rPow, rF1, rF2),               // Dif and Prd right
    setOf(rV, rN, rB, rNeg, rIDv, rMdl, rDvs, rPow, rF1, rF2),               // Prd, IDv, Mdl, Dvs left
    setOf(rV, rN, rB, rPow, rF1, rF2),                                       // IDv, Mdl, Dvs right
    setOf(rV, rN, rB, rF1, rF2),                                             // both sides of Pow
    setOf(rB, rV, rPow, rF1, rF2),                                           // after a leading minus
};

enum Op : int { opPlus, opMinus, opStar, opSlash, opCaret, opDiv, opMod, opComma, opCount };

struct OperatorRule {
    Rule rule;
    Op op;
    int length;
    Rule left;   // the set the left operand must pass
    Rule right;  // the set the right operand must pass
};

// The allowed operands of every operator: they give the language its
// precedence and associativity.
constexpr OperatorRule operatorRules[] = {
    {rSum, opPlus, 1, sSumLeft, sSumRight},
    {rDif, opMinus, 1, sSumLeft, sDifRight},
    {rPrd, opStar, 1, sPrdLeft, sDifRight},
    {rIDv, opDiv, 3, sPrdLeft, sDvsRight},
    {rMdl, opMod, 3, sPrdLeft, sDvsRight},
    {rDvs, opSlash, 1, sPrdLeft, sDvsRight},
    {rPow, opCaret, 1, sPow, sPow},
};

const OperatorRule& operatorRule(Rule r) { return operatorRules[r - rSum]; }

TToken kindOf(Rule r)
{
    switch (r) {
    case rSum: return TToken::sum;
    case rDif: return TToken::diff;
    case rPrd: return TToken::prod;
    case rIDv: return TToken::IntDiv;
    case rMdl: return TToken::modulo;
    case rDvs: return TToken::divis;
    default: return TToken::realpower;
    }
}

// ---- Memo of rule results per sub-text --------------------------------------

// Two bits per rule for a sub-text [i, j): known, accepted. For texts of
// usual length a directory by start and by blocks of 64 end positions, each
// block allocated when first touched (flat formulas touch many ends per
// start, deep brackets one or two); very long texts use an open-addressing
// table. Either way memory follows the sub-texts actually examined.
class PairMemo {
public:
    explicit PairMemo(std::size_t textLength)
        : stride_(textLength + 1), dense_(textLength <= denseLimit), blocksPerRow_((stride_ + 63) / 64)
    {
        if (dense_)
            directory_.assign(stride_ * blocksPerRow_, nullptr);
        else
            resize(1024);
    }

    std::uint64_t get(int i, int j) const
    {
        if (dense_) {
            const std::uint64_t* block = directory_[i * blocksPerRow_ + (j >> 6)];
            return block ? block[j & 63] : 0;
        }
        const std::uint64_t key = keyOf(i, j);
        for (std::size_t h = hash(key);; h = (h + 1) & mask_) {
            if (keys_[h] == key) return values_[h];
            if (keys_[h] == 0) return 0;
        }
    }

    void add(int i, int j, std::uint64_t bits)
    {
        if (dense_) {
            std::uint64_t*& block = directory_[i * blocksPerRow_ + (j >> 6)];
            if (!block) {
                blocks_.push_back(std::make_unique<std::uint64_t[]>(64));  // zero-filled
                block = blocks_.back().get();
            }
            block[j & 63] |= bits;
            return;
        }
        if ((count_ + 1) * 2 > keys_.size()) resize(keys_.size() * 2);
        const std::uint64_t key = keyOf(i, j);
        std::size_t h = hash(key);
        while (keys_[h] != 0 && keys_[h] != key) h = (h + 1) & mask_;
        if (keys_[h] == 0) {
            keys_[h] = key;
            ++count_;
        }
        values_[h] |= bits;
    }

private:
    static constexpr std::size_t denseLimit = 4096;

    std::uint64_t keyOf(int i, int j) const
    {
        return static_cast<std::uint64_t>(i) * stride_ + static_cast<std::uint64_t>(j) + 1;
    }
    std::size_t hash(std::uint64_t key) const
    {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_) & mask_;
    }
    void resize(std::size_t capacity)
    {
        std::vector<std::uint64_t> oldKeys(capacity, 0);
        std::vector<std::uint64_t> oldValues(capacity, 0);
        oldKeys.swap(keys_);
        oldValues.swap(values_);
        mask_ = capacity - 1;
        shift_ = 64 - static_cast<int>(std::countr_zero(capacity));
        for (std::size_t k = 0; k < oldKeys.size(); ++k) {
            if (oldKeys[k] == 0) continue;
            std::size_t h = hash(oldKeys[k]);
            while (keys_[h] != 0) h = (h + 1) & mask_;
            keys_[h] = oldKeys[k];
            values_[h] = oldValues[k];
        }
    }

    std::uint64_t stride_;
    bool dense_;
    std::size_t blocksPerRow_;
    std::vector<std::uint64_t*> directory_;
    std::vector<std::unique_ptr<std::uint64_t[]>> blocks_;
    std::vector<std::uint64_t> keys_;
    std::vector<std::uint64_t> values_;
    std::size_t mask_ = 0;
    int shift_ = 0;
    std::size_t count_ = 0;
};

// ---- Recognition ------------------------------------------------------------

// The last halves a rule tried on a term, for the syntax failure's message.
struct Halves {
    bool set = false;
    int li = 0, lj = 0, ri = 0, rj = 0;
};

struct Classification {
    Rule rule = rV;
    TToken kind = TToken::variab;
    int li = 0, lj = 0;  // first operand, outer brackets removed
    int ri = 0, rj = 0;  // second operand
    bool hasLeft = false;
    bool hasRight = false;
    double number = 0;
    PParserFloat variable = nullptr;
    TMathProcedure function = nullptr;
};

class Recognizer {
public:
    Recognizer(std::string_view text, const CompileInput& input)
        : s_(text), n_(static_cast<int>(text.size())), in_(input), memo_(text.size())
    {
        balance_.assign(n_ + 1, 0);
        nextParen_.assign(n_ + 1, n_);
        for (int k = 0; k < n_; ++k)
            balance_[k + 1] = balance_[k] + (s_[k] == '(' ? 1 : s_[k] == ')' ? -1 : 0);
        for (int k = n_ - 1; k >= 0; --k) nextParen_[k] = s_[k] == '(' ? k : nextParen_[k + 1];
        for (int k = 0; k < n_; ++k) {
            const int op = operatorAt(k);
            if (op < 0) continue;
            occurrences_[op].push_back(k);
            byBalance_[op].emplace_back(balance_[k], k);
        }
        for (int k = 0; k < n_; ++k) {
            if ((s_[k] == '+' || s_[k] == '-') && binarySign(k))
                (s_[k] == '+' ? plusSigns_ : minusSigns_).emplace_back(balance_[k], k);
        }
        std::sort(plusSigns_.begin(), plusSigns_.end());
        std::sort(minusSigns_.begin(), minusSigns_.end());
        for (auto& list : byBalance_) std::sort(list.begin(), list.end());
        nextBreak_.assign(n_ + 1, n_);
        for (auto& next : nextOperator_) next.assign(n_ + 2, n_);
        for (int k = n_ - 1; k >= 0; --k) {
            const int op = operatorAt(k);
            const bool breaks = (op >= 0 && op != opDiv && op != opMod) || s_[k] == '(' || s_[k] == ')';
            nextBreak_[k] = breaks ? k : nextBreak_[k + 1];
            for (int o = 0; o < opCount; ++o) nextOperator_[o][k] = op == o ? k : nextOperator_[o][k + 1];
        }
        leftScans_.resize(static_cast<std::size_t>(n_ + 1) * (rPow - rSum + 1));
    }

    std::string_view text(int i, int j) const { return s_.substr(i, j - i); }

    // Removes redundant outer brackets: while the text is a Bracket.
    std::pair<int, int> strip(int i, int j)
    {
        while (rule(rB, i, j)) {
            ++i;
            --j;
        }
        return {i, j};
    }

    bool rule(Rule r, int i, int j)
    {
        if (i >= j || !canStart(s_[i]) || !canEnd(s_[j - 1]) || quickReject(r, i, j)) return false;
        if (r == rV) return variableCell(i, j) != nullptr;
        if (r == rN) {
            double v;
            return number(i, j, v);
        }
        // Sets of remembered rules with few members cost less to recompute
        // than to remember.
        if (r == sPow || r == sDvsRight || r == sNeg || r == sDifRight || r == sPrdLeft) return compute(r, i, j);
        const std::uint64_t known = std::uint64_t{1} << (2 * r);
        const std::uint64_t yes = known << 1;
        const std::uint64_t bits = memo_.get(i, j);
        if (bits & known) return (bits & yes) != 0;
        if (++depth_ > maxRuleDepth) throw ETooManyNestings();
        const bool accepted = compute(r, i, j);
        --depth_;
        memo_.add(i, j, known | (accepted ? yes : 0));
        return accepted;
    }

    // Every accepted text has as many "(" as ")", so an unbalanced one
    // needs no rule at all.
    bool accept(Rule set, int i, int j) { return i < j && balanced(i, j) && rule(set, i, j); }

    bool valid(int i, int j) { return accept(sValid, i, j); }

    // The first rule, in the order V, N, Neg, Sum, Dif, Prd, IDv, Mdl, Dvs,
    // Pow, F1, F2, that accepts the term; false when none does, `tried`
    // holding the last halves a rule tried.
    bool classify(int i, int j, Classification& c, Halves& tried);

private:
    bool balanced(int i, int j) const { return balance_[i] == balance_[j]; }

    int operatorAt(int k) const
    {
        switch (s_[k]) {
        case '+': return opPlus;
        case '-': return opMinus;
        case '*': return opStar;
        case '/': return opSlash;
        case '^': return opCaret;
        case ',': return opComma;
        default: break;
        }
        if (k + 3 <= n_) {
            const std::string_view three = s_.substr(k, 3);
            if (three == "DIV") return opDiv;
            if (three == "MOD") return opMod;
        }
        return -1;
    }

    // Every accepted text starts and ends with a character of a name, a
    // number or a bracket: a sign may start it, "(" cannot end it, ")"
    // cannot start it, and no other operator stands at either end.
    static bool canStart(char c) { return c != '*' && c != '/' && c != '^' && c != ')' && c != ','; }
    static bool canEnd(char c)
    {
        return c != '+' && c != '-' && c != '*' && c != '/' && c != '^' && c != '(' && c != ',';
    }

    // What a glance at the text decides, before any memo look-up: most
    // sub-texts of a long formula fail this way for most rules.
    bool quickReject(Rule r, int i, int j) const
    {
        switch (r) {
        case rV: return nextBreak_[i] < j;  // names hold no operator, bracket or comma
        case rN: return !(isDigit(s_[i]) || s_[i] == '.' || s_[i] == '+' || s_[i] == '-' || s_[i] == 'P' ||
                          s_[i] == in_.decimalSeparator);
        case rB: return j - i < 2 || s_[i] != '(' || s_[j - 1] != ')';
        case rNeg: return s_[i] != '-' || outerSign(plusSigns_, i, j) || outerSign(minusSigns_, i, j);
        case rF1:
        case rF2:
            // A name right before the first "(" and ")" at the end.
            return nextParen_[i] >= j || nextParen_[i] == i || nextBreak_[i] != nextParen_[i] || s_[j - 1] != ')';
        default: break;
        }
        // Only Sum allows a "+" between two operands outside brackets, only
        // Sum and Dif a "-"; the rules and sets that reach neither cannot
        // accept a text holding one.
        switch (r) {
        case rDif:
        case sSumLeft:
            if (outerSign(plusSigns_, i, j)) return true;
            break;
        case rPrd:
        case rIDv:
        case rMdl:
        case rDvs:
        case rPow:
        case sDifRight:
        case sPrdLeft:
        case sDvsRight:
        case sPow:
        case sNeg:
            if (outerSign(plusSigns_, i, j) || outerSign(minusSigns_, i, j)) return true;
            break;
        default: break;
        }
        if (r >= firstSet) return false;
        // An operator rule needs an occurrence after the first position
        // that leaves a right part.
        const OperatorRule& o = operatorRule(r);
        return nextOperator_[o.op][i + 1] + o.length >= j;
    }

    // A sign after the first position, outside the brackets of [i, j),
    // standing where only a binary operator can: right after a character of
    // a name, a number or ")". An "E" (exponent) or the end of DIV or MOD
    // before it may also start a signed operand, so those are not counted.
    bool binarySign(int p) const
    {
        if (p == 0) return false;
        const unsigned char before = static_cast<unsigned char>(s_[p - 1]);
        if (before == 'E') return false;
        if (p >= 3 && (s_.substr(p - 3, 3) == "DIV" || s_.substr(p - 3, 3) == "MOD")) return false;
        return before == ')' || before == '_' || before == '.' || before >= 0x80 || isDigit(static_cast<char>(before)) ||
               (before >= 'A' && before <= 'Z') || (before >= 'a' && before <= 'z');
    }
    bool outerSign(const std::vector<std::pair<int, int>>& signs, int i, int j) const
    {
        const auto it = std::lower_bound(signs.begin(), signs.end(), std::make_pair(balance_[i], i + 1));
        return it != signs.end() && it->first == balance_[i] && it->second < j;
    }

    bool compute(Rule r, int i, int j)
    {
        switch (r) {
        case rB: return j - i >= 2 && s_[i] == '(' && s_[j - 1] == ')' && valid(i + 1, j - 1);
        case rNeg: return s_[i] == '-' && accept(sNeg, i + 1, j);
        case rF1: return callOne(i, j) != nullptr;
        case rF2: return callTwo(i, j, nullptr) != nullptr;
        default: break;
        }
        if (r >= firstSet) {
            // Members in the order V, N, B, then the others.
            const RuleSet set = members[r - firstSet];
            for (int m = 0; m < firstSet; ++m)
                if ((set & bit(static_cast<Rule>(m))) && rule(static_cast<Rule>(m), i, j)) return true;
            return false;
        }
        return splitBalanced(operatorRule(r), i, j);
    }

    PParserFloat variableCell(int i, int j) const
    {
        const auto it = in_.variables.find(text(i, j));
        return it == in_.variables.end() ? nullptr : it->second.cell;
    }

    bool number(int i, int j, double& value) const
    {
        const std::string_view t = text(i, j);
        if (t == "PI") {
            value = piValue;
            return true;
        }
        if (t == "-PI") {
            value = -piValue;
            return true;
        }
        return ReadNumberLiteral(t, in_.fixedNumberFormat ? '.' : in_.decimalSeparator, value);
    }

    // Operator split, for acceptance only: the first occurrence whose halves
    // pass the operand sets. Only occurrences with a balanced left part can
    // pass. For one start and one operator, the occurrences whose left part
    // passes are kept as they are found, so a later, longer text with the
    // same start looks only at those: the same splits in the same order,
    // without re-testing the left parts that failed.
    bool splitBalanced(const OperatorRule& o, int i, int j)
    {
        if (!balanced(i, j)) return false;
        if (o.rule != rDif && operatorAt(i) == o.op) return false;  // operator in the first position
        LeftScan& scan = leftScans_[static_cast<std::size_t>(i) * (rPow - rSum + 1) + (o.rule - rSum)];
        const auto& list = byBalance_[o.op];
        if (!scan.started) {
            scan.started = true;
            scan.cursor = static_cast<int>(
                std::upper_bound(list.begin(), list.end(), std::make_pair(balance_[i], i)) - list.begin());
        }
        for (std::size_t k = 0;; ++k) {
            if (k == scan.passed.size()) {
                // Test further occurrences, up to the end of this text.
                bool found = false;
                while (scan.cursor < static_cast<int>(list.size())) {
                    const auto [b, p] = list[scan.cursor];
                    if (b != balance_[i] || p + o.length >= j) break;
                    const bool passes = accept(o.left, i, p);  // may look at shorter texts of this start
                    ++scan.cursor;
                    if (passes) {
                        scan.passed.push_back(p);
                        found = true;
                        break;
                    }
                }
                if (!found) return false;
            }
            const int p = scan.passed[k];
            // An occurrence in the last position leaves no right part.
            if (p + o.length >= j) return false;
            if (accept(o.right, p + o.length, j)) return true;
        }
    }

    // The name before the first "(" in the one-argument table and a Bracket
    // after it.
    TMathProcedure callOne(int i, int j)
    {
        const int k = nextParen_[i];
        if (k >= j || k == i) return nullptr;
        const auto it = in_.functionOne.find(text(i, k));
        if (it == in_.functionOne.end()) return nullptr;
        return rule(rB, k, j) ? it->second : nullptr;
    }

    // The name before the first "(" in the two-argument table, the text
    // ending with ")", and the inside split at the first "," that gives two
    // valid expressions. With `tried` every comma split is recorded.
    TMathProcedure callTwo(int i, int j, Halves* tried, int* comma = nullptr)
    {
        const int k = nextParen_[i];
        if (k >= j || k == i || s_[j - 1] != ')') return nullptr;
        const auto it = in_.functionTwo.find(text(i, k));
        if (it == in_.functionTwo.end()) return nullptr;
        const int a = k + 1, e = j - 1;  // the inside
        if (tried) {
            const auto& all = occurrences_[opComma];
            for (auto p = std::lower_bound(all.begin(), all.end(), a); p != all.end() && *p < e; ++p) {
                const int c = *p;
                if (c == a || c == e - 1) return nullptr;
                *tried = {true, a, c, c + 1, e};
                if (valid(a, c) && valid(c + 1, e)) {
                    *comma = c;
                    return it->second;
                }
            }
            return nullptr;
        }
        if (!balanced(a, e)) return nullptr;
        const auto& list = byBalance_[opComma];
        for (auto p = std::lower_bound(list.begin(), list.end(), std::make_pair(balance_[a], a));
             p != list.end() && p->first == balance_[a] && p->second < e; ++p) {
            const int c = p->second;
            if (c == a || c == e - 1) return nullptr;
            if (valid(a, c) && valid(c + 1, e)) return it->second;
        }
        return nullptr;
    }

    std::string_view s_;
    int n_;
    const CompileInput& in_;
    PairMemo memo_;
    int depth_ = 0;
    std::vector<int> balance_;    // "(" minus ")" before each position
    std::vector<int> nextParen_;  // first "(" at or after each position
    std::vector<int> nextBreak_;  // first character at or after each position that no name holds
    std::array<std::vector<int>, opCount> nextOperator_;  // next occurrence of each operator
    std::vector<std::pair<int, int>> plusSigns_, minusSigns_;  // binary-looking signs by (balance, position)
    std::array<std::vector<int>, opCount> occurrences_;
    std::array<std::vector<std::pair<int, int>>, opCount> byBalance_;
    struct LeftScan {
        bool started = false;
        int cursor = 0;           // next occurrence (in byBalance_ order) to test
        std::vector<int> passed;  // occurrences whose left part passed, ascending
    };
    std::vector<LeftScan> leftScans_;  // by start and operator rule
};

bool Recognizer::classify(int i, int j, Classification& c, Halves& tried)
{
    if ((c.variable = variableCell(i, j)) != nullptr) {
        c.rule = rV;
        c.kind = TToken::variab;
        return true;
    }
    if (number(i, j, c.number)) {
        c.rule = rN;
        c.kind = TToken::constant;
        return true;
    }
    if (rule(rNeg, i, j)) {
        c.rule = rNeg;
        c.kind = TToken::minus;
        std::tie(c.li, c.lj) = strip(i + 1, j);
        c.hasLeft = true;
        return true;
    }
    for (const OperatorRule& o : operatorRules) {
        // Every occurrence in turn, as the rule itself searches, so that the
        // halves left for the failure message are the last ones it tried.
        const auto& all = occurrences_[o.op];
        for (auto it = std::lower_bound(all.begin(), all.end(), i); it != all.end(); ++it) {
            const int p = *it;
            if (p + o.length > j) break;
            if (p == i) {
                if (o.rule == rDif) continue;
                break;
            }
            if (p == j - 1) break;
            const int q = p + o.length;
            tried = {true, i, p, q, j};
            if (!balanced(i, p) || !balanced(q, j)) continue;
            if (!accept(o.left, i, p) || !accept(o.right, q, j)) continue;
            c.rule = o.rule;
            std::tie(c.li, c.lj) = strip(i, p);
            std::tie(c.ri, c.rj) = strip(q, j);
            c.hasLeft = true;
            c.hasRight = true;
            c.kind = kindOf(o.rule);
            if (o.rule == rPow) {
                // The kind follows a numeric exponent; the small whole powers
                // multiply out and need no exponent operand.
                double v;
                if (number(q, j, v)) {
                    if (v >= -2147483648.0 && v <= 2147483647.0 && std::trunc(v) == v) {
                        const int e = static_cast<int>(v);
                        c.kind = e == 2   ? TToken::square
                                 : e == 3 ? TToken::third
                                 : e == 4 ? TToken::fourth
                                          : TToken::integerpower;
                    } else {
                        c.kind = TToken::realpower;
                    }
                }
                if (c.kind == TToken::square || c.kind == TToken::third || c.kind == TToken::fourth)
                    c.hasRight = false;
            }
            return true;
        }
    }
    if ((c.function = callOne(i, j)) != nullptr) {
        c.rule = rF1;
        c.kind = TToken::FuncOneVar;
        std::tie(c.li, c.lj) = strip(nextParen_[i] + 1, j - 1);
        c.hasLeft = true;
        return true;
    }
    int comma = 0;
    if ((c.function = callTwo(i, j, &tried, &comma)) != nullptr) {
        c.rule = rF2;
        c.kind = TToken::FuncTwoVar;
        std::tie(c.li, c.lj) = strip(nextParen_[i] + 1, comma);
        std::tie(c.ri, c.rj) = strip(comma + 1, j - 1);
        c.hasLeft = true;
        c.hasRight = true;
        return true;
    }
    return false;
}

// ---- Tree of terms and the level table ------------------------------------

class Builder {
public:
    Builder(Recognizer& recognizer, CompiledExpression& out) : rec_(recognizer), out_(out)
    {
        levels_.fill({});
        counts_.fill(0);
        counts_[0] = 1;  // the placeholder at level 0, index 1
    }

    // Visits a term and, depth first, the terms of its operands: the first
    // operand's subtree before the second's, which fixes every index.
    void visit(int i, int j, int level, int index, int side)
    {
        Classification c;
        Halves tried;
        if (!rec_.classify(i, j, c, tried)) {
            std::string message = "Error parsing expression:\r";
            if (tried.set) {
                message += rec_.text(tried.li, tried.lj);
                message += '\r';
                message += rec_.text(tried.ri, tried.rj);
            } else {
                message += rec_.text(i, j);
            }
            throw ESyntaxError(message);
        }
        if (c.kind == TToken::variab) {
            setOperand(level, index, side, c.variable);
            return;
        }
        if (c.kind == TToken::constant) {
            setOperand(level, index, side, newCell(c.number));
            return;
        }
        const int below = level + 1;
        if (below > maxLevel) throw ETooManyNestings();
        deepest_ = std::max(deepest_, below);
        const int at = counts_[below] + 1;
        if (at > maxOperationsPerLevel) throw EExpressionTooComplex();
        TOperation op;
        op.Token = c.kind;
        op.Operation = c.function;
        op.Dest = newCell(0.0);
        scratch_.push_back(op);
        levels_[below][at - 1] = static_cast<int>(scratch_.size());
        setOperand(level, index, side, op.Dest);
        if (!c.hasRight) ++counts_[below];
        visit(c.li, c.lj, below, at, 1);
        if (c.hasRight) {
            // Nothing was placed on this level while the first operand's
            // subtree was built, so the second operand shares the index.
            if (counts_[below] + 1 != at) throw EParserInternalError();
            ++counts_[below];
            visit(c.ri, c.rj, below, at, 2);
        }
    }

    // Deepest level first, each level in index order; level 1 index 1, the
    // whole expression, comes last.
    void link()
    {
        std::vector<TOperation>& list = out_.ops;
        if (deepest_ == 0) {
            placeholder_.Dest = placeholder_.Arg1;
            list.push_back(placeholder_);
        } else {
            list.reserve(scratch_.size());
            for (int level = deepest_; level >= 1; --level)
                for (int k = 0; k < counts_[level]; ++k) list.push_back(scratch_[levels_[level][k] - 1]);
        }
        for (std::size_t k = 0; k + 1 < list.size(); ++k) list[k].NextOperation = &list[k + 1];
        list.back().NextOperation = nullptr;
    }

private:
    PParserFloat newCell(double value)
    {
        out_.cells.push_back(value);
        return &out_.cells.back();
    }

    TOperation& operationAt(int level, int index)
    {
        if (level == 0) return placeholder_;
        return scratch_[levels_[level][index - 1] - 1];
    }

    void setOperand(int level, int index, int side, PParserFloat cell)
    {
        TOperation& op = operationAt(level, index);
        (side == 1 ? op.Arg1 : op.Arg2) = cell;
    }

    Recognizer& rec_;
    CompiledExpression& out_;
    TOperation placeholder_;
    std::vector<TOperation> scratch_;  // placed operations; the table keeps 1-based slots
    std::array<std::array<int, maxOperationsPerLevel>, maxLevel + 1> levels_;
    std::array<int, maxLevel + 1> counts_;
    int deepest_ = 0;
};

}  // namespace

bool ReadNumberLiteral(std::string_view text, char separator, double& value)
{
    std::size_t k = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (k < n && (text[k] == '+' || text[k] == '-')) negative = text[k++] == '-';
    std::string digits;  // in the form from_chars reads
    int count = 0, intDigits = 0, leadingFractionZeros = 0;
    bool separatorSeen = false, nonzeroSeen = false;
    for (; k < n; ++k) {
        const char ch = text[k];
        if (isDigit(ch)) {
            ++count;
            if (ch != '0') nonzeroSeen = true;
            if (!separatorSeen && nonzeroSeen) ++intDigits;
            if (separatorSeen && !nonzeroSeen) ++leadingFractionZeros;
            digits += ch;
        } else if (ch == separator && !separatorSeen) {
            separatorSeen = true;
            digits += '.';
        } else {
            break;
        }
    }
    if (count == 0) return false;
    long long exponent = 0;
    if (k < n && (text[k] == 'E' || text[k] == 'e')) {
        ++k;
        bool expNegative = false;
        if (k < n && (text[k] == '+' || text[k] == '-')) expNegative = text[k++] == '-';
        if (k >= n || !isDigit(text[k])) return false;
        for (; k < n && isDigit(text[k]); ++k)
            if (exponent < 1000000) exponent = exponent * 10 + (text[k] - '0');
        if (expNegative) exponent = -exponent;
    }
    if (k != n) return false;
    if (!nonzeroSeen) {
        value = negative ? -0.0 : 0.0;
        return true;
    }
    digits += 'e';
    digits += std::to_string(exponent);
    double v = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (result.ec == std::errc::result_out_of_range) {
        // Decimal magnitude of the number: above the range it is no value,
        // below it is zero.
        const long long magnitude = exponent + (intDigits > 0 ? intDigits : -leadingFractionZeros);
        if (magnitude > 0) return false;
        v = 0;
    } else if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() || std::isinf(v)) {
        return false;
    }
    value = negative ? -v : v;
    return true;
}

std::unique_ptr<CompiledExpression> CompileExpression(std::string_view original, const CompileInput& input)
{
    std::string text = UpperCaseAscii(original);
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
    } else {
        text.erase(text.find_last_not_of(' ') + 1);
        text.erase(0, first);
    }
    if (text.find(' ') != std::string::npos) throw EExpressionHasBlanks();
    if (std::count(text.begin(), text.end(), '(') != std::count(text.begin(), text.end(), ')'))
        throw EMissMatchingBracket();

    auto out = std::make_unique<CompiledExpression>();
    Recognizer recognizer(text, input);
    const auto [i, j] = recognizer.strip(0, static_cast<int>(text.size()));
    Builder builder(recognizer, *out);
    builder.visit(i, j, 0, 1, 1);
    builder.link();
    return out;
}

}  // namespace velmora::detail
